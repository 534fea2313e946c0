#pragma once
// The three decoders, each run on a load's worker thread. Each reads
// job.Path(), ends with job.Finish or job.Fail, or stops quietly when the
// load is abandoned.
namespace zorva {

class CLoadJob;

// libjpeg; `paletteDisplay` reduces the picture to 256 colours.
void RunJpegLoad(CLoadJob& job, bool paletteDisplay);
// libpng.
void RunPngLoad(CLoadJob& job);
// The program's own GIF decoder.
void RunGifLoad(CLoadJob& job);

}  // namespace zorva

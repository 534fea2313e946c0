// zorva-cli decode: loads a picture on a loader thread as the editor does and
// writes the display bitmap as a binary PPM.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/PictureLoadHost.h"
#include "image/PictureLoader.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/MessageQueue.h"
#include "platform/PathSplit.h"
#include "platform/ReplacingFile.h"
#include "platform/StringTable.h"

namespace zorva::cli {

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return kExitFailed;
}

// Writes the bitmap as a binary PPM through `file`, converting rows into a
// buffer that goes to the writing thread whenever it is full: the pixels are
// never held a second time, and converting and writing overlap.
void WritePpm(const CBitmap* bitmap, CReplacingFile& file) {
  // Small enough to stay in the caches between converting and writing.
  constexpr size_t kPiece = size_t(256) << 10;
  const int32_t w = bitmap ? bitmap->Width() : 0, h = bitmap ? bitmap->Height() : 0;
  const std::string header = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
  const size_t rowBytes = size_t(w) * 3;
  CByteBuffer piece;
  piece.Reserve(std::max(kPiece, header.size() + rowBytes));
  std::memcpy(piece.Data(), header.data(), header.size());
  size_t used = header.size();
  for (int32_t y = 0; y < h; ++y) {
    if (used + rowBytes > piece.Capacity()) {
      piece.Resize(used);
      file.Write(std::move(piece));
      piece = file.TakeSpare();
      piece.Reserve(std::max(kPiece, rowBytes));
      used = 0;
    }
    uint8_t* p = reinterpret_cast<uint8_t*>(piece.Data() + used);
    if (bitmap->BitsPerPixel() == 32) {
      const uint32_t* row = bitmap->Row32(y);
      for (int32_t x = 0; x < w; ++x, p += 3) {
        const uint32_t c = row[x];
        p[0] = uint8_t(c >> 16);
        p[1] = uint8_t(c >> 8);
        p[2] = uint8_t(c);
      }
    } else {
      const uint8_t* row = bitmap->Row(y);
      const std::array<COLORREF, 256>& palette = bitmap->Palette();
      for (int32_t x = 0; x < w; ++x, p += 3) {
        const uint32_t c = palette[row[x]];
        p[0] = uint8_t(c >> 16);
        p[1] = uint8_t(c >> 8);
        p[2] = uint8_t(c);
      }
    }
    used += rowBytes;
  }
  piece.Resize(used);
  file.Write(std::move(piece));
}

int RunDecode(const std::vector<std::string>& args) {
  std::vector<std::string> paths;
  bool paletteDisplay = false;
  for (const std::string& a : args) {
    if (a == "--palette-display") paletteDisplay = true;
    else if (a.size() > 1 && a[0] == '-') return UsageError("decode", "unknown option '" + a + "'");
    else paths.push_back(a);
  }
  if (paths.size() != 2) return UsageError("decode", "expected PICTURE and OUT.ppm");

  std::optional<CString> picture = Utf8ToCp932(paths[0]);
  std::optional<CString> output = Utf8ToCp932(paths[1]);
  if (!picture || !output) return Fail("zorva-cli decode: a path has characters the code page cannot hold");

  // A project file names its loader by the last three letters of the path.
  const std::optional<PictureFormat> format = PictureFormatOfEnding(*picture);
  if (!format) return Fail(LoadStringUtf8(61213));

  CPictureLoadHost host(paletteDisplay);
  CPictureLoader loader;
  CZorvaDoc doc(&host);
  doc.SetPictureLoader(&loader);
  doc.m_strPicturePath = *picture;
  doc.LoadPicture(*format);
  loader.WaitIdle();

  if (unsigned id = host.FailedWith()) return Fail(LoadStringUtf8(id));
  if (!host.Finished() || !doc.m_bPictureLoaded) return kExitFailed;  // the message is out already

  int err = 0;
  CReplacingFile file;
  if (!file.Open(*output, &err)) return Fail(FormatString(FileErrorStringId(err), {paths[1]}));
  WritePpm(doc.m_pBitmap.get(), file);
  if (!file.Commit(&err)) return Fail(FormatString(FileErrorStringId(err), {paths[1]}));
  return kExitOk;
}

const CliCommandRegistration kRegistration({
    "decode",
    "decode PICTURE OUT.ppm [--palette-display]",
    "load a JPEG, PNG or GIF as the editor does; write the display bitmap as PPM",
    RunDecode,
});

}  // namespace

}  // namespace zorva::cli

// zorva-cli trace: loads a picture as the editor does and prints the polygon
// the trace tool would add for a press at X,Y, as HTML coords.
#include <charconv>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/PictureLoadHost.h"
#include "image/PictureLoader.h"
#include "image/RegionTrace.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/MessageQueue.h"
#include "platform/StringTable.h"

namespace zorva::cli {

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return kExitFailed;
}

template <class T>
bool ParseWhole(const std::string& s, T& value) {
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(s.data(), end, value);
  return ec == std::errc() && ptr == end;
}

int RunTrace(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  int tolerance = kDefaultTraceTolerance;
  double epsilon = kDefaultTraceEpsilon;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--tolerance" || a == "--epsilon") {
      if (i + 1 == args.size()) return UsageError("trace", a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--tolerance" && (!ParseWhole(v, tolerance) || tolerance < 0 || tolerance > kMaxTraceTolerance))
        return UsageError("trace", "--tolerance takes a whole number from 0 to 255, not '" + v + "'");
      if (a == "--epsilon" && (!ParseWhole(v, epsilon) || !(epsilon >= 0) || epsilon > kMaxTraceEpsilon))
        return UsageError("trace", "--epsilon takes a number from 0 to 100, not '" + v + "'");
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("trace", "unknown option '" + a + "'");
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 3) return UsageError("trace", "expected PICTURE X Y");
  CPoint seed;
  if (!ParseWhole(positional[1], seed.x) || !ParseWhole(positional[2], seed.y))
    return UsageError("trace", "X and Y are whole numbers");

  std::optional<CString> picture = Utf8ToCp932(positional[0]);
  if (!picture) return Fail("zorva-cli trace: the path has characters the code page cannot hold");
  const std::optional<PictureFormat> format = PictureFormatOfEnding(*picture);
  if (!format) return Fail(LoadStringUtf8(61213));

  CPictureLoadHost host;
  CPictureLoader loader;
  CZorvaDoc doc(&host);
  doc.SetPictureLoader(&loader);
  doc.m_strPicturePath = *picture;
  doc.LoadPicture(*format);
  loader.WaitIdle();
  if (unsigned id = host.FailedWith()) return Fail(LoadStringUtf8(id));
  if (!host.Finished() || !doc.m_bPictureLoaded || !doc.m_pBitmap) return kExitFailed;  // the message is out already

  const CBitmap& bitmap = *doc.m_pBitmap;
  if (seed.x < 0 || seed.y < 0 || seed.x >= bitmap.Width() || seed.y >= bitmap.Height())
    return Fail("zorva-cli trace: " + std::to_string(seed.x) + "," + std::to_string(seed.y) +
                " lies outside the picture (" + std::to_string(bitmap.Width()) + " x " +
                std::to_string(bitmap.Height()) + ")");
  const TraceResult result = TraceRegion(bitmap, seed, tolerance, epsilon);
  if (result.polygon.empty()) return Fail("zorva-cli trace: not enough memory for the region");
  std::string line;
  for (const CPoint& p : result.polygon) {
    if (!line.empty()) line += ',';
    line += std::to_string(p.x) + ',' + std::to_string(p.y);
  }
  std::printf("%s\n", line.c_str());
  return kExitOk;
}

const CliCommandRegistration kRegistration({
    "trace",
    "trace PICTURE X Y [--tolerance N] [--epsilon E]",
    "the polygon the trace tool makes for a press at X,Y (the region of like colour), as HTML coords",
    RunTrace,
});

}  // namespace

}  // namespace zorva::cli

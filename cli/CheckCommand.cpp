// zorva-cli check FILE [--image N]: the map's faults that a browser does not
// report, one line per finding ("area N: ..."), exit status 1 when there is
// one, so a site's build can stop on them.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "html/MapCheck.h"
#include "image/PictureSize.h"

namespace zorva::cli {
namespace {

int RunCheck(const std::vector<std::string>& arguments) {
  CCliDocumentHost host;
  CZorvaDoc doc(&host);
  if (auto status = OpenFileArgument("check", arguments, host, doc)) return *status;
  // A page records no picture size: the picture's own header gives it, so
  // areas beside the picture are found there too.
  if (doc.m_sizePicture.cx <= 0 || doc.m_sizePicture.cy <= 0)
    if (auto size = ReadPictureSize(doc.m_strPicturePath)) doc.m_sizePicture = *size;
  const auto findings = html::CheckMap(doc);
  for (const html::MapFinding& f : findings)
    std::printf("area %zu: %s\n", f.area, html::FindingText(f).c_str());
  if (std::fflush(stdout) != 0) {
    std::perror("zorva-cli check: writing the output");
    return kExitFailed;
  }
  return findings.empty() ? kExitOk : kExitFailed;
}

const CliCommandRegistration kCheck({"check", "check FILE [--image N]",
                                     "list the map's faults a browser does not report (exit 1 when any)",
                                     RunCheck});

}  // namespace
}  // namespace zorva::cli

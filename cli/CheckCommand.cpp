// zorva-cli check FILE [--image N]: the map's faults that a browser does not
// report, one line per finding ("area N: ..."), exit status 1 when there is
// one, so a site's build can stop on them.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "html/MapCheck.h"
#include "platform/CodePage.h"

namespace zorva::cli {
namespace {

int RunCheck(const std::vector<std::string>& arguments) {
  CCliDocumentHost host;
  CZorvaDoc doc(&host);
  if (auto status = OpenFileArgument("check", arguments, host, doc)) return *status;
  // A page without a map for its picture (a responsive page links through
  // SVG) has nothing this check reads: saying nothing would pass it.
  if (doc.m_bFromPage && doc.m_nMapStartPos < 0) {
    std::fprintf(stderr, "%s: the page has no image map for its picture; nothing was checked\n",
                 Cp932ToUtf8(doc.GetPathName()).c_str());
    return kExitFailed;
  }
  TakePictureSizeFromFile(doc);
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

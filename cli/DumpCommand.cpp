// zorva-cli dump FILE: the document as the editor opens it, as JSON.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "cli/DocumentJson.h"

namespace zorva::cli {
namespace {

int RunDump(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("dump", "expected one FILE");
  auto path = ModelPath("dump", args[0]);
  if (!path) return kExitFailed;
  CCliDocumentHost host;
  // No picture loader: the picture is named, not decoded.
  CZorvaDoc doc(&host);
  if (!OpenLikeEditor(doc, host, *path)) return kExitFailed;
  std::string json = DocumentToJson(doc);
  if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
    std::perror("zorva-cli dump: writing the output");
    return kExitFailed;
  }
  return kExitOk;
}

const CliCommandRegistration kDump({"dump", "dump FILE",
                                    "print a project file (or page) as the editor opens it, as JSON",
                                    RunDump});

}  // namespace
}  // namespace zorva::cli

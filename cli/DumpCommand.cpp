// zorva-cli dump FILE [--image N]: the document as the editor opens it, as one JSON
// object on stdout. The picture is not decoded. "picture" is the path the
// document holds once open, that is a project file's relative text resolved
// against the file's folder (an absolute path), not the text stored in the
// file; "size" is the size the file records. Points are in storage order.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "cli/DocumentJson.h"

namespace zorva::cli {
namespace {

int RunDump(const std::vector<std::string>& arguments) {
  CCliDocumentHost host;
  // No picture loader: the picture is named, not decoded.
  CZorvaDoc doc(&host);
  if (auto status = OpenFileArgument("dump", arguments, host, doc)) return *status;
  std::string json = DocumentToJson(doc);
  if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
    std::perror("zorva-cli dump: writing the output");
    return kExitFailed;
  }
  return kExitOk;
}

const CliCommandRegistration kDump({"dump", "dump FILE [--image N]",
                                    "print FILE as the editor opens it, as JSON (texts from their charset, picture path resolved)",
                                    RunDump});

}  // namespace
}  // namespace zorva::cli

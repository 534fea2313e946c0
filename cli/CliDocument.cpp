#include "cli/CliDocument.h"

#include <cstdio>
#include <filesystem>

#include "platform/CodePage.h"

namespace zorva::cli {

std::optional<CString> ModelPath(const std::string& command, const std::string& arg) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(arg), ec);
  if (ec) p = std::filesystem::path(arg);
  auto cp932 = Utf8ToCp932(p.lexically_normal().string());
  if (!cp932)
    std::fprintf(stderr, "zorva-cli %s: %s: the file name has characters that CP932 cannot hold\n",
                 command.c_str(), arg.c_str());
  return cp932;
}

bool OpenLikeEditor(CZorvaDoc& doc, CCliDocumentHost& host, const CString& path) {
  int before = host.MessageCount();
  if (doc.OnOpenDocument(path)) return true;
  if (host.MessageCount() == before)
    std::fprintf(stderr, "%s: could not be opened\n", Cp932ToUtf8(path).c_str());
  return false;
}

}  // namespace zorva::cli

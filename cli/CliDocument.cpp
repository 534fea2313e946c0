#include "cli/CliDocument.h"

#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/HtmlOptions.h"
#include "model/PictureSize.h"
#include "model/FileKind.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace zorva::cli {

std::optional<CString> ModelPath(const std::string& command, const std::string& arg) {
  auto cp932 = ModelPathFromFs(arg);
  if (!cp932)
    std::fprintf(stderr, "zorva-cli %s: %s: the file name has characters that CP932 cannot hold\n",
                 command.c_str(), arg.c_str());
  return cp932;
}

bool IsPagePath(const CString& path) { return FileKindOf(path) == FileKind::Page; }

bool IsSavePath(const CString& path) { return FileKindOf(path) == FileKind::Project || IsPagePath(path); }

bool OpenLikeEditor(CZorvaDoc& doc, CCliDocumentHost& host, const CString& path) {
  int before = host.MessageCount();
  if (doc.OnOpenDocument(path)) return true;
  if (host.MessageCount() == before)
    std::fprintf(stderr, "%s: could not be opened\n", Cp932ToUtf8(path).c_str());
  return false;
}

void TakePictureSizeFromFile(CZorvaDoc& doc) {
  if (doc.m_sizePicture.cx > 0 && doc.m_sizePicture.cy > 0) return;
  if (auto size = PictureSizeOfFile(doc.m_strPicturePath)) doc.m_sizePicture = *size;
  // Without a size nothing was read of the picture, as the window would show it.
  else doc.m_bPictureLoaded = false;
}

std::optional<int> OpenFileArgument(const char* command, const std::vector<std::string>& arguments,
                                    CCliDocumentHost& host, CZorvaDoc& doc) {
  std::vector<std::string> args = arguments;
  HtmlOptions options;
  std::string error;
  if (!TakeHtmlOptions(args, options, error)) return UsageError(command, error);
  if (options.newline || options.doctype || options.charcode || options.charcase || options.mapForm ||
      options.svgHover)
    return UsageError(command, std::string("only --image applies to ") + command);
  if (args.size() != 1) return UsageError(command, "expected one FILE");
  auto path = ModelPath(command, args[0]);
  if (!path) return kExitFailed;
  host.imageChoice = options.image;
  if (!OpenLikeEditor(doc, host, *path)) return host.ImageChoiceMissing() ? kExitUsage : kExitFailed;
  return std::nullopt;
}

}  // namespace zorva::cli

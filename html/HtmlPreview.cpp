#include "html/HtmlPreview.h"

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {
// "No web browser found", and where the preview page was written.
constexpr unsigned kNoBrowserMessage = 65016;
}  // namespace

// The preview page's name starts with "~", which hides nothing on this
// platform, and no hidden attribute exists to set or clear around the write.
bool ShowPreview(CZorvaDoc& doc) {
  // Beside a page in a folder that cannot be written (a read-only share, a
  // CD) the preview goes to a folder of its own, where the document removes
  // it when it closes like any preview page; the writer makes the picture's
  // path from there.
  if (!FolderIsWritable(FolderOf(doc.m_strPreviewPath))) {
    const std::optional<CString> folder = PrivateTempFolder();
    if (!folder) {
      doc.ReportMessage(61220);
      return false;
    }
    const PathParts parts = SplitPath(doc.m_strPreviewPath);
    doc.m_strPreviewPath = *folder + parts.name + parts.ext;
  }
  if (!doc.WriteHtml(doc.m_strPreviewPath)) return false;
  int result = doc.Host().ShellOpen(doc.m_strPreviewPath);
  if (result > 32) return true;
  if (result == kShellFileNotFound)
    doc.ReportMessage(61220);
  else if (result == kShellNoAssociation || result == kShellAssociationIncomplete)
    // The page is there: the user may open it by hand.
    doc.ReportMessage(kNoBrowserMessage, {Cp932ToUtf8(doc.m_strPreviewPath)});
  else
    doc.ReportMessage(61222);
  return false;
}

}  // namespace zorva::html

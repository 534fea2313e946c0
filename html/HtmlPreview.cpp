#include "html/HtmlPreview.h"

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"

namespace zorva::html {

namespace {
// "No web browser found", and where the preview page was written.
constexpr unsigned kNoBrowserMessage = 65016;
}  // namespace

// The preview page's name starts with "~", which hides nothing on this
// platform, and no hidden attribute exists to set or clear around the write.
bool ShowPreview(CZorvaDoc& doc) {
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

#include "html/HtmlPreview.h"

#include "model/ZorvaDoc.h"

namespace zorva::html {

// The preview page's name starts with "~", which hides nothing on this
// platform, and no hidden attribute exists to set or clear around the write.
bool ShowPreview(CZorvaDoc& doc) {
  if (!doc.WriteHtml(doc.m_strPreviewPath)) return false;
  int result = doc.Host().ShellOpen(doc.m_strPreviewPath);
  if (result > 32) return true;
  if (result == kShellFileNotFound)
    doc.ReportMessage(61220);
  else if (result == kShellNoAssociation || result == kShellAssociationIncomplete)
    doc.ReportMessage(61221);
  else
    doc.ReportMessage(61222);
  return false;
}

}  // namespace zorva::html

// Clearing the whole document from the Edit menu.
#include "model/ZorvaDoc.h"

bool CZorvaDoc::OnEditClearAll() {
  if (ReportMessage(61214, {}, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) return false;
  DeleteContents();
  return true;
}

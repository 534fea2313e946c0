// TEMPORARY: stands in for the HTML reader until the html/ module provides
// CZorvaDoc::ReadHtml; delete this file when that lands. Until then opening a
// page is refused as a format the program cannot read.
#include "model/ZorvaDoc.h"

bool CZorvaDoc::ReadHtml(const CString&) {
  ReportMessage(61213);
  return false;
}

#include "html/Html5Page.h"

#include "html/AreaLines.h"
#include "model/ZorvaDoc.h"

namespace zorva::html {

// The ALT is empty without one: a picture that only carries links needs no
// text of its own. The size keeps the page from moving as the picture loads.
void AppendHtml5ImageEnd(CPageBytes& out, const CZorvaDoc& doc, CPageText& fromDocument) {
  out.Append('"');
  AppendAttribute(out, " alt=\"", fromDocument(doc.m_areaDefault.m_strAlt));
  if (doc.m_sizePicture.cx > 0 && doc.m_sizePicture.cy > 0) {
    out.Append(" width=\"");
    out.AppendNumber(doc.m_sizePicture.cx);
    out.Append("\" height=\"");
    out.AppendNumber(doc.m_sizePicture.cy);
    out.Append('"');
  }
  out.Append('>');
}

}  // namespace zorva::html

#include "html/PageText.h"

#include <string>

#include "model/ZorvaDoc.h"
#include "model/AreaTexts.h"

namespace zorva::html {

namespace {

constexpr unsigned kCommentNotInPageMessage = 65019;

bool FitsShiftJis(const CArea& a) {
  for (const CAreaText& t : kAreaTexts)
    if (const CString& s = a.*t.member; !IsAscii(s) && !Utf8ToCharsetExactly(ECharset::ShiftJis, s)) return false;
  return true;
}

// The charset of a page without a charset of its own.
ECharset OwnPageCharset(const CZorvaDoc& doc) {
  if (doc.m_nCharset != ECharset::Utf8 || !FitsShiftJis(doc.m_areaDefault)) return doc.m_nCharset;
  for (const CArea* a : doc.m_listArea)
    if (!FitsShiftJis(*a)) return doc.m_nCharset;
  return ECharset::ShiftJis;
}

}  // namespace

ECharset PageCharsetFor(int charcode, ECharset own) {
  switch (charcode) {
    case 1: return ECharset::ShiftJis;
    case 2: return ECharset::EucJp;
    case 3: return ECharset::Utf8;
    default: return own;
  }
}

ECharset NewPageCharset(int charcode, const CZorvaDoc& doc) { return PageCharsetFor(charcode, OwnPageCharset(doc)); }

bool CommentsFitPage(CZorvaDoc& doc, ECharset page) {
  if (page == doc.m_nCharset) return true;
  size_t number = 0;
  // Attributes carry what the page lacks as references; comments cannot.
  auto fits = [&](const CArea& a) {
    ++number;
    for (const CAreaText& t : kAreaTexts) {
      const CString& s = a.*t.member;
      if (!t.IsComment() || s.empty() || IsAscii(s)) continue;
      const std::string utf8 = CharsetToUtf8(doc.m_nCharset, s);
      if (Utf8ToCharsetExactly(page, utf8)) continue;
      doc.ReportMessage(kCommentNotInPageMessage,
                        {std::to_string(number), FirstUnmappableChar(page, utf8).value_or(""), CharsetName(page)});
      return false;
    }
    return true;
  };
  // Numbered from the top, as the area list shows them; the default area last.
  for (auto it = doc.m_listArea.rbegin(); it != doc.m_listArea.rend(); ++it)
    if (!fits(**it)) return false;
  return fits(doc.m_areaDefault);
}

std::string_view CPageText::Convert(std::string_view text) {
  // Links and scripts are mostly ASCII, which reads the same in all three
  // charsets.
  if (IsAscii(text)) return text;
  m_converted = ConvertCharsetForPage(m_from, m_to, text);
  return m_converted;
}

}  // namespace zorva::html

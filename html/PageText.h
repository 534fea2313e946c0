#pragma once
// The charset a new page is written in, and the document's texts on their way
// into it.
#include <string_view>

#include "platform/Charset.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// The charset of a new page for a "charcode" setting: 1 Shift_JIS, 2 EUC-JP,
// 3 UTF-8; any other value writes no META line, and the texts keep `own`.
ECharset PageCharsetFor(int charcode, ECharset own);

// The charset of a new page of `doc`. Without a charset of its own the page is
// in the document's, except that new contents, held in UTF-8, are written in
// the Shift_JIS they always were while every text comes back unchanged from
// it (as a project file keeps them).
ECharset NewPageCharset(int charcode, const CZorvaDoc& doc);

// Whether every comment of `doc` goes into a page in `page` exactly. A
// browser reads no character references in a comment, so a comment that does
// not is not written as one: the user is told which (65019) and false
// returned, before anything of the page is written.
bool CommentsFitPage(CZorvaDoc& doc, ECharset page);

// Texts held in one charset as they go into a page in another. A character the
// page's charset cannot hold becomes a numeric character reference, which
// browsers read back as the character: writing a page never loses or refuses
// a text. Between equal charsets texts pass untouched, so a page in the
// document's own charset costs nothing more.
class CPageText {
 public:
  CPageText() = default;  // passes every text as it is
  CPageText(ECharset from, ECharset to) : m_from(from), m_to(to), m_convert(from != to) {}

  // `text` in the page's charset; a converted text stays valid until the next
  // call.
  std::string_view operator()(std::string_view text) { return m_convert ? Convert(text) : text; }

 private:
  std::string_view Convert(std::string_view text);

  ECharset m_from = ECharset::ShiftJis;
  ECharset m_to = ECharset::ShiftJis;
  bool m_convert = false;
  CString m_converted;
};

}  // namespace zorva::html

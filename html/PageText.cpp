#include "html/PageText.h"

namespace zorva::html {

ECharset PageCharsetFor(int charcode, ECharset own) {
  switch (charcode) {
    case 1: return ECharset::ShiftJis;
    case 2: return ECharset::EucJp;
    case 3: return ECharset::Utf8;
    default: return own;
  }
}

std::string_view CPageText::Convert(std::string_view text) {
  // Links and scripts are mostly ASCII, which reads the same in all three
  // charsets.
  if (IsAscii(text)) return text;
  m_converted = ConvertCharsetForPage(m_from, m_to, text);
  return m_converted;
}

}  // namespace zorva::html

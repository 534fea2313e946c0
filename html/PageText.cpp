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
  bool ascii = true;
  for (char c : text) ascii &= static_cast<unsigned char>(c) < 0x80;
  if (ascii) return text;
  m_converted = ConvertCharsetForPage(m_from, m_to, text);
  return m_converted;
}

}  // namespace zorva::html

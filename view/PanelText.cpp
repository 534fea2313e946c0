#include "view/PanelText.h"

#include "html/HtmlSettings.h"
#include "html/PageText.h"
#include "model/ZorvaDoc.h"
#include "platform/Charset.h"

namespace {
constexpr unsigned kUnstorableTextMessage = 65010;

using zorva::ECharset;

// The charset a comment must fit besides the document's: that of the page it
// goes into. A page that was read is written in its own charset, which is the
// document's; a new page in the one the output settings choose.
ECharset CommentPageCharset(const CZorvaDoc& doc) {
  if (doc.m_bFromPage || !doc.m_pSettingsStore) return doc.m_nCharset;
  return zorva::html::PageCharsetFor(zorva::ReadHtmlOutputSettings(*doc.m_pSettingsStore).charcode,
                                     doc.m_nCharset);
}

// The code point of the reference "&#N;" or "&#xH;" at `text[i]`, with its
// length in `len`; nothing when no reference starts there.
std::optional<uint32_t> ReferenceAt(std::string_view text, size_t i, size_t& len) {
  if (text.compare(i, 2, "&#") != 0) return std::nullopt;
  size_t j = i + 2;
  const bool hex = j < text.size() && (text[j] == 'x' || text[j] == 'X');
  if (hex) ++j;
  uint32_t cp = 0;
  const size_t digits = j;
  for (; j < text.size() && j - digits < 7; ++j) {
    const char c = text[j];
    int v = c >= '0' && c <= '9' ? c - '0' : !hex ? -1 : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                       : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (v < 0) break;
    cp = cp * (hex ? 16 : 10) + uint32_t(v);
  }
  if (j == digits || j >= text.size() || text[j] != ';' || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ||
      cp == 0)
    return std::nullopt;
  len = j + 1 - i;
  return cp;
}

std::string Utf8Of(uint32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += char(cp);
  } else if (cp < 0x800) {
    s += char(0xC0 | cp >> 6), s += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += char(0xE0 | cp >> 12), s += char(0x80 | (cp >> 6 & 0x3F)), s += char(0x80 | (cp & 0x3F));
  } else {
    s += char(0xF0 | cp >> 18), s += char(0x80 | (cp >> 12 & 0x3F)), s += char(0x80 | (cp >> 6 & 0x3F)),
        s += char(0x80 | (cp & 0x3F));
  }
  return s;
}

// References to characters `charset` cannot hold exactly, as their
// characters: those are what storing a typed text made of them. Others are
// text the user or the page wrote and stay as they are.
std::string DecodeStoredReferences(ECharset charset, std::string utf8) {
  if (charset == ECharset::Utf8 || utf8.find("&#") == std::string::npos) return utf8;
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    size_t len = 0;
    if (auto cp = ReferenceAt(utf8, i, len)) {
      const std::string ch = Utf8Of(*cp);
      if (!zorva::Utf8ToCharsetExactly(charset, ch)) {
        out += ch;
        i += len;
        continue;
      }
    }
    out += utf8[i++];
  }
  return out;
}

}  // namespace

std::string ToPanelText(const CZorvaDoc& doc, std::string_view bytes, PanelTextKind kind) {
  std::string utf8 = zorva::CharsetToUtf8(doc.m_nCharset, bytes);
  if (kind == PanelTextKind::Comment) return utf8;
  return DecodeStoredReferences(doc.m_nCharset, std::move(utf8));
}

std::optional<CString> FromPanelText(const CZorvaDoc& doc, std::string_view utf8, PanelTextKind kind) {
  if (!zorva::IsValidUtf8(utf8)) return std::nullopt;
  if (kind == PanelTextKind::Attribute) return zorva::ConvertCharsetForPage(ECharset::Utf8, doc.m_nCharset, utf8);
  const ECharset page = CommentPageCharset(doc);
  if (page != doc.m_nCharset && !zorva::Utf8ToCharsetExactly(page, utf8)) return std::nullopt;
  return zorva::Utf8ToCharsetExactly(doc.m_nCharset, utf8);
}

void ReportUnstorableText(CZorvaDoc& doc, std::string_view utf8, PanelTextKind kind) {
  std::optional<std::string> first = zorva::FirstUnmappableChar(doc.m_nCharset, utf8);
  if (kind == PanelTextKind::Comment)
    if (auto inPage = zorva::FirstUnmappableChar(CommentPageCharset(doc), utf8);
        inPage && (!first || utf8.find(*inPage) < utf8.find(*first)))
      first = inPage;
  std::string ch = first.value_or(std::string());
  // A stray byte of broken UTF-8 would break the message text itself.
  if (ch.empty() || (ch.size() == 1 && static_cast<unsigned char>(ch[0]) >= 0x80))
    ch = "\xEF\xBF\xBD";
  doc.ReportMessage(kUnstorableTextMessage, {ch}, MB_OK | MB_ICONEXCLAMATION);
}

#include "view/PanelText.h"

#include "html/CharacterReference.h"
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

// References to characters `charset` cannot hold exactly, as their
// characters: those are what storing a typed text made of them. Others are
// text the user or the page wrote and stay as they are.
std::string DecodeStoredReferences(ECharset charset, std::string utf8) {
  if (charset == ECharset::Utf8 || utf8.find("&#") == std::string::npos) return utf8;
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    if (auto ref = zorva::html::NumericReferenceAt(utf8, i); ref && zorva::html::IsReferableCodePoint(ref->codePoint)) {
      std::string ch;
      zorva::html::AppendUtf8(ch, ref->codePoint);
      if (!zorva::Utf8ToCharsetExactly(charset, ch)) {
        out += ch;
        i += ref->length;
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

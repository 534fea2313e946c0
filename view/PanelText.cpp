#include "view/PanelText.h"

#include "model/ZorvaDoc.h"
#include "platform/Charset.h"

namespace {
constexpr unsigned kUnstorableTextMessage = 65010;
}  // namespace

std::string ToPanelText(const CZorvaDoc& doc, std::string_view bytes) {
  return zorva::CharsetToUtf8(doc.m_nCharset, bytes);
}

std::optional<CString> FromPanelText(const CZorvaDoc& doc, std::string_view utf8) {
  return zorva::Utf8ToCharset(doc.m_nCharset, utf8);
}

void ReportUnstorableText(CZorvaDoc& doc, std::string_view utf8) {
  std::string ch = zorva::FirstUnmappableChar(doc.m_nCharset, utf8).value_or(std::string());
  // A stray byte of broken UTF-8 would break the message text itself.
  if (ch.empty() || (ch.size() == 1 && static_cast<unsigned char>(ch[0]) >= 0x80))
    ch = "\xEF\xBF\xBD";
  doc.ReportMessage(kUnstorableTextMessage, {ch}, MB_OK | MB_ICONEXCLAMATION);
}

#include "platform/QmCatalogue.h"

#include <cstdint>

#include "platform/Charset.h"

namespace zorva {

namespace {

constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The blocks of the file and the fields of a message, as QTranslator reads them.
constexpr unsigned char kBlockMessages = 0x69;
enum Field : unsigned char {
  kEnd = 1,
  kSourceText16 = 2,
  kTranslation = 3,
  kContext16 = 4,
  kObsolete1 = 5,
  kSourceText = 6,
  kContext = 7,
  kComment = 8,
};

class Reader {
 public:
  explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
  bool AtEnd() const { return m_pos >= m_bytes.size(); }
  bool Byte(unsigned char* out) {
    if (m_pos + 1 > m_bytes.size()) return false;
    *out = static_cast<unsigned char>(m_bytes[m_pos++]);
    return true;
  }
  bool Word(uint32_t* out) {
    if (m_pos + 4 > m_bytes.size()) return false;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(m_bytes[m_pos++]);
    *out = v;
    return true;
  }
  bool Take(uint32_t length, std::string_view* out) {
    if (length > m_bytes.size() - m_pos) return false;
    *out = m_bytes.substr(m_pos, length);
    m_pos += length;
    return true;
  }

 private:
  std::string_view m_bytes;
  size_t m_pos = 0;
};

// Big-endian UTF-16 as the catalogue stores translations; false on an odd
// length or an unpaired surrogate.
bool Utf16BeToUtf8(std::string_view bytes, std::string* out) {
  if (bytes.size() % 2) return false;
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = char16_t(static_cast<unsigned char>(bytes[2 * i]) << 8 | static_cast<unsigned char>(bytes[2 * i + 1]));
  auto utf8 = Utf16ToCharset(ECharset::Utf8, units);
  if (!utf8) return false;
  *out = std::move(*utf8);
  return true;
}

bool Fail(std::string* error, const std::string& what) {
  if (error) *error = what;
  return false;
}

// The messages block: message after message, each a run of fields up to kEnd.
bool ReadMessages(std::string_view block, std::vector<QmMessage>& messages, std::string* error) {
  Reader r(block);
  while (!r.AtEnd()) {
    QmMessage m;
    bool translated = false;
    for (;;) {
      unsigned char field;
      if (!r.Byte(&field)) return Fail(error, "a message is cut short");
      if (field == kEnd) break;
      uint32_t length;
      if (!r.Word(&length)) return Fail(error, "a message field is cut short");
      if (field == kObsolete1) continue;  // a four-byte field with no text
      if (field == kTranslation && length == 0xFFFFFFFFu) continue;  // no translation
      std::string_view text;
      if (!r.Take(length, &text)) return Fail(error, "a message field runs past the end");
      switch (field) {
        case kTranslation: {
          std::string utf8;
          if (!Utf16BeToUtf8(text, &utf8)) return Fail(error, "a translation is not UTF-16");
          if (!translated) m.translation = std::move(utf8);  // plural forms after the first are not used
          translated = true;
          break;
        }
        case kSourceText: m.source = std::string(text); break;
        case kContext: m.context = std::string(text); break;
        case kComment: m.comment = std::string(text); break;
        case kSourceText16:
        case kContext16: break;
        default: return Fail(error, "a message has a field of unknown kind " + std::to_string(field));
      }
    }
    if (translated) messages.push_back(std::move(m));
  }
  return true;
}

}  // namespace

std::optional<std::vector<QmMessage>> ReadQmCatalogue(std::string_view bytes, std::string* error) {
  if (bytes.size() < sizeof kMagic || bytes.substr(0, sizeof kMagic) !=
      std::string_view(reinterpret_cast<const char*>(kMagic), sizeof kMagic)) {
    Fail(error, "not a translation catalogue (.qm)");
    return std::nullopt;
  }
  Reader r(bytes.substr(sizeof kMagic));
  std::vector<QmMessage> messages;
  while (!r.AtEnd()) {
    unsigned char tag;
    uint32_t length;
    std::string_view block;
    if (!r.Byte(&tag) || !r.Word(&length) || !r.Take(length, &block)) {
      Fail(error, "a block runs past the end of the catalogue");
      return std::nullopt;
    }
    if (tag == kBlockMessages && !ReadMessages(block, messages, error)) return std::nullopt;
  }
  return messages;
}

}  // namespace zorva

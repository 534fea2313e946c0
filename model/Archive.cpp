#include "model/Archive.h"

#include <algorithm>
#include <optional>

#include "platform/CodePage.h"

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(zorva::CReplacingFile* file) : m_mode(store), m_file(file) {}

namespace {
// What goes to the file at once: few write calls, and buffers that stay warm
// in the caches while they are reused.
constexpr size_t kPiece = size_t(1) << 20;
}  // namespace

size_t CArchive::MakeRoom(size_t n) {
  if (!m_file) {
    m_buf.Reserve(std::max({m_buf.Size() + n, m_buf.Capacity() * 2, size_t(4096)}));
    return m_buf.Size();
  }
  Finish();
  m_buf.Reserve(std::max(kPiece, n));
  return 0;
}

void CArchive::Finish() {
  if (!m_file || m_buf.Size() == 0) return;
  m_file->Write(std::move(m_buf));
  m_buf = m_file->TakeSpare();
}

CArchive::CArchive(std::string_view data)
    : m_mode(load),
      m_cur(reinterpret_cast<const unsigned char*>(data.data())),
      m_end(reinterpret_cast<const unsigned char*>(data.data()) + data.size()) {}


void CArchive::ThrowEndOfFile() {
  throw CArchiveException(CArchiveException::endOfFile, "the stream ends early");
}

void CArchive::WriteRect(const CRect& r) {
  WriteRaw32(uint32_t(r.left));
  WriteRaw32(uint32_t(r.top));
  WriteRaw32(uint32_t(r.right));
  WriteRaw32(uint32_t(r.bottom));
}

CRect CArchive::ReadRect() {
  CRect r;
  r.left = int32_t(ReadRaw32());
  r.top = int32_t(ReadRaw32());
  r.right = int32_t(ReadRaw32());
  r.bottom = int32_t(ReadRaw32());
  return r;
}

// The length prefix avoids 0xFFFE in the word, which would announce a wide
// string, by moving to the four-byte form from 65534 on.
void CArchive::WriteStringLength(size_t n) {
  if (n > 0xFFFFFFFFu)
    throw CArchiveException(CArchiveException::tooLarge, "string too long to store");
  if (n < 0xFF) {
    WriteByte(uint8_t(n));
  } else if (n < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(uint16_t(n));
  } else {
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteRaw32(uint32_t(n));
  }
}

void CArchive::WriteString(std::string_view s) {
  // Most strings are short: their prefix is written here, without a call.
  if (s.size() < 0xFF)
    WriteByte(uint8_t(s.size()));
  else
    WriteStringLength(s.size());
  Append(s.data(), s.size());
}

void CArchive::WriteWideString(std::string_view utf16le) {
  WriteByte(0xFF);
  WriteWord(0xFFFE);
  WriteStringLength(utf16le.size() / 2);
  Append(utf16le.data(), utf16le.size());
}

namespace {

// `bytes` in `to`, only when they come back unchanged: Shift_JIS takes some
// characters one way only (the yen sign as the backslash, the wave dash as
// the full-width tilde), so a conversion that succeeds can still lose them.
std::optional<CString> ConvertExactly(zorva::ECharset from, zorva::ECharset to, std::string_view bytes) {
  auto converted = zorva::ConvertCharset(from, to, bytes);
  if (!converted) return std::nullopt;
  auto back = zorva::ConvertCharset(to, from, *converted);
  if (!back || *back != bytes) return std::nullopt;
  return converted;
}

[[noreturn]] void ThrowTextCharset() {
  throw CArchiveException(CArchiveException::textCharset, "a stored text needs a wider charset");
}

}  // namespace

void CArchive::WriteConvertedText(std::string_view s) {
  if (zorva::IsAscii(s)) return WriteString(s);
  if (auto sjis = ConvertExactly(m_textCharset, zorva::ECharset::ShiftJis, s)) return WriteString(*sjis);
  WriteWideString(zorva::CharsetToUtf16Le(m_textCharset, s));
}

uint32_t CArchive::ReadStringLength(bool& wide) {
  wide = false;
  uint8_t b = ReadByte();
  if (b < 0xFF) return b;
  uint16_t w = ReadWord();
  if (w == 0xFFFE) {
    // The wide form: a second prefix counts UTF-16 units.
    wide = true;
    b = ReadByte();
    if (b < 0xFF) return b;
    w = ReadWord();
  }
  if (w < 0xFFFF) return w;
  return ReadRaw32();
}

std::string_view CArchive::ReadStringBody(bool& wide) {
  uint32_t len = ReadStringLength(wide);
  // Checked against what is left before anything is allocated, so a forged
  // length costs nothing.
  uint64_t bytes = wide ? uint64_t(len) * 2 : uint64_t(len);
  if (bytes > Remaining()) ThrowEndOfFile();
  return std::string_view(reinterpret_cast<const char*>(Take(size_t(bytes))), size_t(bytes));
}

namespace {

// A stored path in the code page is one it can decode: the program never
// writes other bytes there. (Texts may hold bytes of a page whose charset was
// not known, and pass as they are.)
void CheckShiftJis(std::string_view body) {
  if (!zorva::IsAscii(body) && !zorva::ConvertCharset(zorva::ECharset::ShiftJis, zorva::ECharset::Utf8, body))
    throw CArchiveException(CArchiveException::badValue, "a stored text is not Shift_JIS");
}

}  // namespace

CString CArchive::ReadString() {
  bool wide = false;
  std::string_view body = ReadStringBody(wide);
  if (!wide) {
    if (m_strictStrings) CheckShiftJis(body);
    return CString(body);
  }
  auto converted = zorva::Utf16LeToCharset(zorva::ECharset::ShiftJis, body);
  if (!converted)
    throw CArchiveException(CArchiveException::badString, "a stored text has no code-page form");
  return *converted;
}

CString CArchive::ReadText() {
  using zorva::ECharset;
  bool wide = false;
  std::string_view body = ReadStringBody(wide);
  if (!wide) {
    if (m_textCharset == ECharset::ShiftJis || zorva::IsAscii(body)) return CString(body);
    // Bytes that are not Shift_JIS become U+FFFD, as wherever such a text is
    // shown in another charset.
    std::string utf8 = zorva::CharsetToUtf8(ECharset::ShiftJis, body);
    if (m_textCharset == ECharset::Utf8) return utf8;
    auto converted = ConvertExactly(ECharset::Utf8, m_textCharset, utf8);
    if (!converted) ThrowTextCharset();
    return *converted;
  }
  // UTF-8 holds every character, so only malformed UTF-16 fails here.
  auto utf8 = zorva::Utf16LeToCharset(ECharset::Utf8, body);
  if (!utf8) throw CArchiveException(CArchiveException::badText, "a stored text is not UTF-16");
  if (m_textCharset == ECharset::Utf8) return *utf8;
  auto converted = ConvertExactly(ECharset::Utf8, m_textCharset, *utf8);
  if (!converted) ThrowTextCharset();
  return *converted;
}

uint32_t CArchive::NextIndex() {
  if (m_nMapCount >= kMaxMapCount)
    throw CArchiveException(CArchiveException::tooLarge, "too many objects in one stream");
  return m_nMapCount++;
}

void CArchive::WriteObjectTag(const char* className) {
  const std::pair<std::string, uint32_t>* known = nullptr;
  for (const auto& c : m_storedClasses)
    if (c.first == className) known = &c;
  if (known) {
    uint32_t c = known->second;
    if (c < kBigObjectTag) {
      WriteWord(uint16_t(kClassTag | c));
    } else {
      WriteWord(kBigObjectTag);
      WriteRaw32(kBigClassTag | c);
    }
  } else {
    size_t n = std::strlen(className);
    WriteWord(kNewClassTag);
    WriteWord(0);  // schema
    WriteWord(uint16_t(n));
    Append(className, n);
    m_storedClasses.emplace_back(className, NextIndex());
  }
  NextIndex();  // the object's own index
}

void CArchive::ReadObjectTag(const char* className) {
  uint16_t tag = ReadWord();
  if (tag == kNewClassTag) {
    uint16_t schema = ReadWord();
    uint16_t n = ReadWord();
    if (n >= 64) throw CArchiveException(CArchiveException::badClass, "class name too long");
    const unsigned char* name = Take(n);
    if (std::string_view(reinterpret_cast<const char*>(name), n) != className)
      throw CArchiveException(CArchiveException::badClass, "unexpected class");
    if (schema != 0) throw CArchiveException(CArchiveException::badSchema, "unknown schema");
    m_loadedClasses.emplace(NextIndex(), className);
  } else {
    uint32_t full;
    if (tag == kBigObjectTag)
      full = ReadRaw32();
    else
      full = (uint32_t(tag & kClassTag) << 16) | (tag & ~kClassTag);
    // Only class references are written; a null entry or a reference to an
    // earlier object would put one object in two places or none.
    if (!(full & kBigClassTag))
      throw CArchiveException(CArchiveException::badIndex, "null entry or object reference");
    auto it = m_loadedClasses.find(full & ~kBigClassTag);
    if (it == m_loadedClasses.end())
      throw CArchiveException(CArchiveException::badIndex, "unknown class index");
    if (it->second != className)
      throw CArchiveException(CArchiveException::badClass, "unexpected class");
  }
  NextIndex();
}

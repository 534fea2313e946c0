#include "model/Archive.h"

#include <algorithm>

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
void CArchive::WriteString(std::string_view s) {
  if (s.size() > 0xFFFFFFFFu)
    throw CArchiveException(CArchiveException::tooLarge, "string too long to store");
  if (s.size() < 0xFF) {
    WriteByte(uint8_t(s.size()));
  } else if (s.size() < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(uint16_t(s.size()));
  } else {
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteRaw32(uint32_t(s.size()));
  }
  Append(s.data(), s.size());
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

CString CArchive::ReadString() {
  bool wide = false;
  uint32_t len = ReadStringLength(wide);
  // Checked against what is left before anything is allocated, so a forged
  // length costs nothing.
  uint64_t bytes = wide ? uint64_t(len) * 2 : uint64_t(len);
  if (bytes > Remaining()) ThrowEndOfFile();
  const unsigned char* p = Take(size_t(bytes));
  if (!wide) return CString(reinterpret_cast<const char*>(p), len);
  std::u16string units(len, u'\0');
  for (uint32_t i = 0; i < len; ++i) units[i] = char16_t(p[2 * i] | (p[2 * i + 1] << 8));
  auto converted = zorva::Utf16ToCp932(units);
  if (!converted)
    throw CArchiveException(CArchiveException::badString, "a stored text has no code-page form");
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

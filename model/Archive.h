#pragma once
// The object archive of project files: little-endian integers, length-prefixed
// strings and tagged object entries with one running index shared by classes
// and objects. An archive either stores into its own growing buffer or loads
// from a caller's buffer; every read past the end throws.
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ByteBuffer.h"
#include "platform/Charset.h"
#include "platform/ReplacingFile.h"
#include "platform/Types.h"

class CArchiveException : public std::runtime_error {
 public:
  enum Cause {
    endOfFile,   // the stream ended early
    badClass,    // a class name or class index other than the one expected here
    badSchema,   // a schema other than the class's own
    badIndex,    // a null entry, a reference to an earlier object, or an unknown index
    badString,   // a wide string that the code page cannot hold
    badText,     // a wide string that is not UTF-16 (an unpaired surrogate)
    textCharset, // a text the archive's text charset cannot hold: read again in a wider one
    tooLarge,    // a count or length that the stored form cannot express
    badValue,    // a value the program never stores (a flag other than 0 or 1, a size out of
                 // range, bytes after the last object, a path not valid in the code page)
  };
  CArchiveException(Cause cause, const char* what) : std::runtime_error(what), m_cause(cause) {}
  Cause m_cause;
};

class CArchive {
 public:
  enum Mode { store, load };

  // A storing archive with an empty buffer.
  CArchive();
  // A storing archive that hands its bytes to `file` in pieces as they are
  // produced, so that the stream is written while it is built; Finish hands
  // over the rest. The caller commits or abandons the file.
  explicit CArchive(zorva::CReplacingFile* file);
  // A loading archive over `data`, which must outlive it.
  explicit CArchive(std::string_view data);
  explicit CArchive(std::string&&) = delete;  // the bytes must outlive the archive
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsStoring() const { return m_mode == store; }
  bool IsLoading() const { return m_mode == load; }

  // The charset of the texts written with WriteText and read with ReadText
  // (Shift_JIS unless set). Paths keep to WriteString/ReadString: they are
  // code-page bytes whatever the texts are.
  void SetTextCharset(zorva::ECharset charset) { m_textCharset = charset; }
  zorva::ECharset TextCharset() const { return m_textCharset; }
  // Loading: a string (ReadString: a path) in the code page whose bytes it
  // cannot decode fails (badValue) instead of passing as it is. Project files
  // never hold one.
  void SetStrictStrings(bool strict) { m_strictStrings = strict; }

  // --- storing ---
  void WriteInt32(int32_t v) { WriteRaw32(uint32_t(v)); }
  void WriteWord(uint16_t v) {
    unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
    Append(b, 2);
  }
  void WriteByte(uint8_t v) { Append(&v, 1); }
  void WriteFlag(bool v) { WriteRaw32(v ? 1u : 0u); }
  void WritePoint(const CPoint& p) {
    WriteRaw32(uint32_t(p.x));
    WriteRaw32(uint32_t(p.y));
  }
  void WriteRect(const CRect& r);
  void WriteString(std::string_view s);
  // A text in the text charset. Shift_JIS texts go as they are; others go in
  // Shift_JIS when they come back from it unchanged, otherwise in the wide
  // form, so that nothing is lost and a file of Shift_JIS texts stays one.
  void WriteText(std::string_view s) {
    if (m_textCharset == zorva::ECharset::ShiftJis)
      WriteString(s);
    else
      WriteConvertedText(s);
  }
  // The wide form: UTF-16 as little-endian byte pairs.
  void WriteWideString(std::string_view utf16le);
  // The tag of an object entry of class `className` (schema 0); the object's
  // data follow from the caller.
  void WriteObjectTag(const char* className);

  // Makes room for `n` more bytes at once (saves regrowing a large stream);
  // an archive writing to a file works in pieces of its own size instead.
  void Reserve(size_t n) {
    if (!m_file) m_buf.Reserve(m_buf.Size() + n);
  }
  bool WritesToFile() const { return m_file != nullptr; }
  // The bytes stored so far (not yet handed to the file).
  std::string_view Data() const { return m_buf.View(); }
  // Hands what is still buffered to the file.
  void Finish();

  // --- loading ---
  int32_t ReadInt32() { return int32_t(ReadRaw32()); }
  uint32_t ReadUInt32() { return ReadRaw32(); }
  uint16_t ReadWord() {
    const unsigned char* p = Take(2);
    return uint16_t(p[0] | (p[1] << 8));
  }
  uint8_t ReadByte() { return *Take(1); }
  // A flag is an int32 of which only the low byte counts.
  bool ReadFlag() { return (ReadRaw32() & 0xFF) != 0; }
  CPoint ReadPoint() {
    int32_t x = int32_t(ReadRaw32());
    return CPoint(x, int32_t(ReadRaw32()));
  }
  CRect ReadRect();
  CString ReadString();
  // A text, in the text charset: a stored Shift_JIS text converted to it, a
  // wide one too. Throws textCharset for a wide text the charset cannot hold
  // exactly (Shift_JIS, say, for an emoji), badText for one that is not UTF-16.
  CString ReadText();
  // Reads an object entry's tag, which must introduce or name the class
  // `className`; the object's data follow.
  void ReadObjectTag(const char* className);

  // Bytes not read yet.
  size_t Remaining() const { return size_t(m_end - m_cur); }

  // Indices of the running count past which the big forms are used.
  static constexpr uint16_t kNewClassTag = 0xFFFF;
  static constexpr uint16_t kClassTag = 0x8000;
  static constexpr uint16_t kBigObjectTag = 0x7FFF;
  static constexpr uint32_t kBigClassTag = 0x80000000u;
  static constexpr uint32_t kMaxMapCount = 0x3FFFFFFEu;

 private:
  void Append(const void* p, size_t n) {
    size_t at = m_buf.Size();
    if (n > m_buf.Capacity() - at) at = MakeRoom(n);
    m_buf.Resize(at + n);
    std::memcpy(m_buf.Data() + at, p, n);
  }
  // Room for `n` more bytes; where they go.
  size_t MakeRoom(size_t n);
  void WriteRaw32(uint32_t v) {
    unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    Append(b, 4);
  }
  const unsigned char* Take(size_t n) {
    if (size_t(m_end - m_cur) < n) ThrowEndOfFile();
    const unsigned char* p = m_cur;
    m_cur += n;
    return p;
  }
  uint32_t ReadRaw32() {
    const unsigned char* p = Take(4);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  }
  [[noreturn]] static void ThrowEndOfFile();
  void WriteStringLength(size_t n);
  void WriteConvertedText(std::string_view s);
  uint32_t ReadStringLength(bool& wide);
  // A stored string's bytes (narrow) or its code units (wide).
  std::string_view ReadStringBody(bool& wide);
  uint32_t NextIndex();

  Mode m_mode;
  zorva::ECharset m_textCharset = zorva::ECharset::ShiftJis;
  bool m_strictStrings = false;
  // Storing: the stream so far, or the piece not yet handed to m_file.
  zorva::CByteBuffer m_buf;
  zorva::CReplacingFile* m_file = nullptr;
  // Loading.
  const unsigned char* m_cur = nullptr;
  const unsigned char* m_end = nullptr;
  // The running index: the next class or object takes m_nMapCount.
  uint32_t m_nMapCount = 1;
  // Storing: the classes written so far with their index. Loading: the class
  // name (as the caller spelled it) of every class index met.
  std::vector<std::pair<std::string, uint32_t>> m_storedClasses;
  std::unordered_map<uint32_t, std::string> m_loadedClasses;
};

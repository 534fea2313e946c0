#pragma once
// A position in a page's bytes and the small moves the map reader makes over
// it: blanks, comments, quoted strings, tags, names compared without regard
// to letter case, attribute values. Every move stops at the end of the text.
#include <cstddef>
#include <string>
#include <string_view>

namespace zorva::html {

// ASCII lower case of one byte.
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The blanks HTML allows between a tag's parts: space, tab, line feed, form
// feed, carriage return.
constexpr bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }

// `s` without the HTML blanks around it.
inline std::string_view TrimHtmlSpace(std::string_view s) {
  while (!s.empty() && IsHtmlSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsHtmlSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Whether `raw` is `lowerWord` in any letter case.
inline bool IsWordIgnoringCase(std::string_view raw, std::string_view lowerWord) {
  if (raw.size() != lowerWord.size()) return false;
  for (size_t i = 0; i < raw.size(); ++i)
    if (LowerAscii(raw[i]) != lowerWord[i]) return false;
  return true;
}

// A value's bytes as held: "&quot;" becomes a quotation mark.
void AssignValue(std::string& value, std::string_view raw);

// The bytes that end an attribute name, looked up once per byte of every
// name of every tag read.
struct AttributeNameEnds {
  bool ends[256] = {};
  constexpr AttributeNameEnds() {
    for (int c = 0; c < 256; ++c) ends[c] = IsHtmlSpace(char(c)) || c == '/' || c == '>' || c == '=';
  }
};
inline constexpr AttributeNameEnds kAttributeNameEnds{};

class CByteScanner {
 public:
  explicit CByteScanner(std::string_view text, size_t pos = 0) : m_text(text), m_pos(pos) {}

  size_t Pos() const { return m_pos; }
  void SetPos(size_t pos) { m_pos = pos < m_text.size() ? pos : m_text.size(); }
  bool AtEnd() const { return m_pos >= m_text.size(); }
  char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
  void Advance(size_t n = 1) { SetPos(m_pos + n); }
  std::string_view Text() const { return m_text; }

  // Moves to the next "<" (or the end); false when there is none.
  bool SeekTagOpen();

  // Whether a tag named by `lowerOpen` ("<img") starts at the position: the
  // name whole, as browsers read it ("<imgsrc" is another tag).
  bool MatchesTag(std::string_view lowerOpen) const {
    if (!Matches(lowerOpen)) return false;
    const size_t end = m_pos + lowerOpen.size();
    if (end >= m_text.size()) return true;
    const char c = m_text[end];
    return IsHtmlSpace(c) || c == '/' || c == '>';
  }

  // Whether the attribute name at the position is `lowerName`, whole, in any
  // letter case; the position then ends after it.
  bool TakeAttributeName(std::string_view lowerName) {
    if (!Matches(lowerName)) return false;
    const size_t end = m_pos + lowerName.size();
    if (end < m_text.size() && !IsAttributeNameEnd(m_text[end])) return false;
    m_pos = end;
    return true;
  }

  // The attribute name at the position: its first byte and every byte up to
  // a blank, a line end, "/", ">" or "=". Names are compared whole: an
  // "hreflang" is not an "href". The position ends after the name.
  std::string_view ReadAttributeName() {
    const size_t start = m_pos;
    const size_t size = m_text.size();
    const char* p = m_text.data();
    size_t pos = m_pos < size ? m_pos + 1 : size;
    while (pos < size && !IsAttributeNameEnd(p[pos])) ++pos;
    m_pos = pos;
    return m_text.substr(start, pos - start);
  }
  static bool IsAttributeNameEnd(char c) { return kAttributeNameEnds.ends[static_cast<unsigned char>(c)]; }

  // Spaces, tabs and line ends.
  void SkipSpace() {
    while (m_pos < m_text.size() && IsHtmlSpace(m_text[m_pos])) ++m_pos;
  }

  // Spaces and tabs.
  void SkipBlanks() {
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
  }

  // A comment "<!--" at the position, up to and including its "-->" (or to
  // the end). False when no comment starts here.
  bool SkipComment() {
    // Called before almost every byte of a tag is looked at: the common
    // answer "no comment here" must cost a compare, not a call.
    if (m_pos >= m_text.size() || m_text[m_pos] != '<') return false;
    return SkipCommentAt();
  }

  // Whether the bytes at the position begin with `lowerName`, compared in
  // lower case. `lowerName` must be lower case.
  bool Matches(std::string_view lowerName) const {
    if (m_text.size() - m_pos < lowerName.size()) return false;
    const char* p = m_text.data() + m_pos;
    for (size_t i = 0; i < lowerName.size(); ++i)
      if (LowerAscii(p[i]) != lowerName[i]) return false;
    return true;
  }

  // From a quotation mark at the position to just past its closing mark; with
  // `escapes` a backslash inside passes over the byte after it.
  void SkipQuoted(bool escapes);

  // From a "<" at the position to just past the ">" that ends the tag, passing
  // over blanks, comments and quoted strings.
  void SkipTag();

  // Inside a tag whose attributes are read: passes over "=" and, when a
  // quoted value follows, that value, so a ">" inside it does not end the tag.
  void SkipUnreadValue();

  // After an attribute name: reads "= value" into `value` (blanks and line
  // ends may stand around the "="). A value in double
  // or single quotation marks runs to the same mark (the position ends past
  // it), any other value to the next blank, line end or ">". "&quot;" in the
  // value becomes a quotation mark. False, with the position after the
  // blanks, when no "=" follows.
  bool ReadValue(std::string& value) {
    std::string_view raw;
    if (!ReadRawValue(raw)) return false;
    AssignValue(value, raw);
    return true;
  }
  // The same, giving the value's bytes as they stand in the text.
  bool ReadRawValue(std::string_view& raw);

 private:
  bool SkipCommentAt();

  std::string_view m_text;
  size_t m_pos;
};

// The offset of the ">" that ends the tag starting at `pos` (its "<"), with
// quoted attribute values passed over; the text's length when there is none.
size_t FindTagEnd(std::string_view text, size_t pos);


}  // namespace zorva::html

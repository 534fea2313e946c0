#include "html/ByteScanner.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zorva::html {

namespace {

// The first of the bytes a, b, c, d in [p, end), or end. Tags are skipped
// over tens of megabytes, so this looks at sixteen bytes at a time.
const char* FindAnyOf4(const char* p, const char* end, char a, char b, char c, char d) {
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b);
  const __m128i vc = _mm_set1_epi8(c), vd = _mm_set1_epi8(d);
  while (end - p >= 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)),
                               _mm_or_si128(_mm_cmpeq_epi8(x, vc), _mm_cmpeq_epi8(x, vd)));
    int mask = _mm_movemask_epi8(hit);
    if (mask) return p + __builtin_ctz(unsigned(mask));
    p += 16;
  }
#endif
  for (; p < end; ++p)
    if (*p == a || *p == b || *p == c || *p == d) return p;
  return end;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool CByteScanner::SeekTagOpen() {
  if (AtEnd()) return false;
  const void* p = std::memchr(m_text.data() + m_pos, '<', m_text.size() - m_pos);
  if (!p) {
    m_pos = m_text.size();
    return false;
  }
  m_pos = size_t(static_cast<const char*>(p) - m_text.data());
  return true;
}

void CByteScanner::SkipBlanks() {
  while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) ++m_pos;
}

bool CByteScanner::SkipCommentAt() {
  if (m_text.compare(m_pos, 4, "<!--") != 0) return false;
  size_t end = m_text.find("-->", m_pos + 4);
  m_pos = end == std::string_view::npos ? m_text.size() : end + 3;
  return true;
}

bool CByteScanner::Matches(std::string_view lowerName) const {
  if (m_text.size() - m_pos < lowerName.size()) return false;
  for (size_t i = 0; i < lowerName.size(); ++i)
    if (LowerAscii(m_text[m_pos + i]) != lowerName[i]) return false;
  return true;
}

void CByteScanner::SkipQuoted(bool escapes) {
  const char mark = m_text[m_pos];
  const char* p = m_text.data() + m_pos + 1;
  const char* end = m_text.data() + m_text.size();
  for (;;) {
    p = escapes ? FindAnyOf4(p, end, mark, '\\', mark, '\\')
                : static_cast<const char*>(std::memchr(p, mark, size_t(end - p)));
    if (!p || p >= end) {
      m_pos = m_text.size();
      return;
    }
    if (*p == mark) break;
    p += 2;  // a backslash and the byte it escapes
  }
  m_pos = size_t(p - m_text.data()) + 1;
}

void CByteScanner::SkipTag() {
  const char* base = m_text.data();
  const char* end = base + m_text.size();
  ++m_pos;
  while (m_pos < m_text.size()) {
    const char* p = FindAnyOf4(base + m_pos, end, '>', '"', '\'', '<');
    m_pos = size_t(p - base);
    if (p == end) return;
    if (*p == '>') {
      ++m_pos;
      return;
    }
    if (*p == '<') {
      if (!SkipComment()) ++m_pos;
    } else {
      SkipQuoted(true);
    }
  }
}

void CByteScanner::SkipUnreadValue() {
  ++m_pos;  // the "="
  SkipBlanks();
  if (m_pos < m_text.size() && (m_text[m_pos] == '"' || m_text[m_pos] == '\'')) SkipQuoted(false);
}

bool CByteScanner::ReadValue(std::string& value) {
  SkipBlanks();
  if (Peek() != '=') return false;
  ++m_pos;
  SkipBlanks();
  std::string_view raw;
  const char c = Peek();
  if (c == '"' || c == '\'') {
    size_t close = m_text.find(c, m_pos + 1);
    if (close == std::string_view::npos) close = m_text.size();
    raw = m_text.substr(m_pos + 1, close - m_pos - 1);
    SetPos(close + 1);
  } else {
    size_t stop = m_pos;
    while (stop < m_text.size()) {
      char b = m_text[stop];
      if (b == ' ' || b == '\t' || b == '>' || b == '\r' || b == '\n') break;
      ++stop;
    }
    raw = m_text.substr(m_pos, stop - m_pos);
    m_pos = stop;
  }
  value.clear();
  for (size_t amp; (amp = raw.find("&quot;")) != std::string_view::npos; raw.remove_prefix(amp + 6)) {
    value.append(raw.data(), amp);
    value += '"';
  }
  value.append(raw);
  return true;
}

size_t FindTagEnd(std::string_view text, size_t pos) {
  CByteScanner s(text, pos);
  s.Advance();
  while (!s.AtEnd()) {
    const char c = s.Peek();
    if (c == '>') return s.Pos();
    if (c == '=')
      s.SkipUnreadValue();
    else
      s.Advance();
  }
  return text.size();
}

}  // namespace zorva::html

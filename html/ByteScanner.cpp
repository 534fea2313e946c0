#include "html/ByteScanner.h"

#include <algorithm>
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

// The offset of the first `c` in [from, size) of `base`, or `size`. Values
// are mostly short: sixteen bytes are looked at in place before the general
// search is called.
size_t FindByte(const char* base, size_t from, size_t size, char c) {
#if defined(__SSE2__)
  if (size - from >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + from));
    const int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8(c)));
    if (mask) return from + size_t(__builtin_ctz(unsigned(mask)));
    from += 16;
  }
#endif
  const void* p = std::memchr(base + from, c, size - from);
  return p ? size_t(static_cast<const char*>(p) - base) : size;
}

bool IsTagByte(char c) { return c == '>' || c == '"' || c == '\'' || c == '<'; }

// A bit for each of the `n` (at most 16) bytes at `p` that ends a tag, opens
// or closes a quoted string or may start a comment.
unsigned TagBytesIn(const char* p, size_t n) {
#if defined(__SSE2__)
  if (n == 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hit = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('>')), _mm_cmpeq_epi8(x, _mm_set1_epi8('"'))),
        _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('\'')), _mm_cmpeq_epi8(x, _mm_set1_epi8('<'))));
    return unsigned(_mm_movemask_epi8(hit));
  }
#endif
  unsigned mask = 0;
  for (size_t i = 0; i < n; ++i)
    if (IsTagByte(p[i])) mask |= 1u << i;
  return mask;
}

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

bool CByteScanner::SkipCommentAt() {
  const char* base = m_text.data();
  const size_t size = m_text.size();
  if (size - m_pos < 4 || base[m_pos + 1] != '!' || base[m_pos + 2] != '-' || base[m_pos + 3] != '-')
    return false;
  // The comment ends at the first "-->": the first ">" after "--".
  for (size_t from = m_pos + 4;;) {
    const size_t gt = FindByte(base, from, size, '>');
    if (gt >= size) {
      m_pos = size;
      return true;
    }
    if (gt - m_pos >= 6 && base[gt - 1] == '-' && base[gt - 2] == '-') {
      m_pos = gt + 1;
      return true;
    }
    from = gt + 1;
  }
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
  // One look at sixteen bytes at a time for every byte that matters in a
  // tag: area tags full of quoted values are skipped over tens of megabytes.
  const char* base = m_text.data();
  const size_t size = m_text.size();
  size_t pos = m_pos + 1;
  char quote = 0;  // the mark of the quoted string being passed over
  while (pos < size) {
    const size_t span = std::min<size_t>(16, size - pos);
    unsigned mask = TagBytesIn(base + pos, span);
    size_t next = pos + span;
    while (mask) {
      const size_t at = pos + size_t(__builtin_ctz(mask));
      mask &= mask - 1;
      const char c = base[at];
      // A backslash escapes nothing in a tag, as in a browser: in a Shift_JIS
      // page it is the second byte of many characters (ソ, 表, 能).
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '>') {
        m_pos = at + 1;
        return;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '<') {
        m_pos = at;
        if (SkipCommentAt()) {
          next = m_pos;
          break;
        }
      }
    }
    pos = next;
  }
  m_pos = size;
}

void CByteScanner::SkipUnreadValue() {
  ++m_pos;  // the "="
  SkipBlanks();
  if (m_pos < m_text.size() && (m_text[m_pos] == '"' || m_text[m_pos] == '\'')) SkipQuoted(false);
}

bool CByteScanner::ReadRawValue(std::string_view& raw) {
  // Line ends may stand around "=" as blanks do.
  SkipSpace();
  if (Peek() != '=') return false;
  ++m_pos;
  SkipSpace();
  const char* base = m_text.data();
  const char c = Peek();
  if (c == '"' || c == '\'') {
    const size_t end = FindByte(base, m_pos + 1, m_text.size(), c);
    raw = m_text.substr(m_pos + 1, end - m_pos - 1);
    SetPos(end + 1);
  } else {
    size_t stop = m_pos;
    while (stop < m_text.size()) {
      char b = base[stop];
      if (b == ' ' || b == '\t' || b == '>' || b == '\r' || b == '\n') break;
      ++stop;
    }
    raw = m_text.substr(m_pos, stop - m_pos);
    m_pos = stop;
  }
  return true;
}

void AssignValue(std::string& value, std::string_view raw) {
  if (!std::memchr(raw.data(), '&', raw.size())) {
    value.assign(raw);
    return;
  }
  value.clear();
  for (size_t amp; (amp = raw.find("&quot;")) != std::string_view::npos; raw.remove_prefix(amp + 6)) {
    value.append(raw.data(), amp);
    value += '"';
  }
  value.append(raw);
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

#include "platform/EucJp.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Charset.h"

namespace zorva {

namespace {

constexpr size_t kCells = 94 * 94;
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// Rows 0-93 of CP932 hold a little over 7,300 characters. Far fewer means the
// system's CP932 table is missing or not the Microsoft one, and forms built
// from it would be wrong.
constexpr size_t kMinTwoByte = 7000;

// Decodes one character at a time through iconv, for building the tables.
class IconvDecoder {
 public:
  explicit IconvDecoder(const char* from) : cd_(iconv_open("UTF-32LE", from)) {}
  ~IconvDecoder() {
    if (cd_ != kNone) iconv_close(cd_);
  }
  IconvDecoder(const IconvDecoder&) = delete;
  IconvDecoder& operator=(const IconvDecoder&) = delete;

  // The one character `bytes` decode to whole, or 0.
  char32_t One(const char* bytes, size_t n) {
    if (cd_ == kNone) return 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char in[4];
    std::memcpy(in, bytes, n);
    unsigned char out[8];
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = n, outLeft = sizeof out;
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
        outLeft != sizeof out - 4)
      return 0;
    return char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 | char32_t(out[3]) << 24;
  }

 private:
  static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
  iconv_t cd_;
};

struct Tables {
  std::vector<char32_t> twoByte = std::vector<char32_t>(kCells);    // by (lead-0xA1)*94 + trail-0xA1
  std::vector<char32_t> threeByte = std::vector<char32_t>(kCells);  // the same after 0x8F
  std::vector<char32_t> single = std::vector<char32_t>(0x80);       // 0x80-0xFF on their own
  std::vector<uint16_t> pointerOf = std::vector<uint16_t>(0x10000);  // first two-byte cell + 1
  size_t twoByteCount = 0;
};

Tables Build() {
  Tables t;
  IconvDecoder cp932("CP932");
  for (size_t p = 0; p < kCells; ++p) {
    const unsigned row = unsigned(p / 94), cell = unsigned(p % 94);
    const char sjis[2] = {char(row / 2 + (row < 62 ? 0x81 : 0xC1)),
                          char(cell + (row % 2 ? 0x9F : cell < 63 ? 0x40 : 0x41))};
    const char32_t cp = cp932.One(sjis, 2);
    if (cp == 0 || cp > 0xFFFF) continue;
    t.twoByte[p] = cp;
    // Characters CP932 holds twice (the NEC row 13 copies of row 2 symbols)
    // are written at their first cell, where a browser writes them.
    if (t.pointerOf[cp] == 0) {
      t.pointerOf[cp] = uint16_t(p + 1);
      ++t.twoByteCount;
    }
  }
  if (t.twoByteCount < kMinTwoByte) return Tables();

  // What the Microsoft layout decodes where the browsers' table has nothing:
  // its user-defined rows, JIS X 0212 with the IBM extensions after it, and
  // C1 controls as single bytes. Texts written with it before keep reading.
  IconvDecoder old("EUC-JP-MS");
  for (size_t p = 0; p < kCells; ++p) {
    const char two[2] = {char(p / 94 + 0xA1), char(p % 94 + 0xA1)};
    const char three[3] = {'\x8F', two[0], two[1]};
    if (t.twoByte[p] == 0) t.twoByte[p] = old.One(two, 2);
    t.threeByte[p] = old.One(three, 3);
  }
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    const char c = char(b);
    t.single[b - 0x80] = old.One(&c, 1);
  }
  return t;
}

const Tables& TheTables() {
  static const Tables tables = Build();
  return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | cp >> 6);
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | cp >> 12);
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | cp >> 18);
    out += char(0x80 | (cp >> 12 & 0x3F));
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// The code point of one valid UTF-8 sequence.
char32_t Utf8CodePoint(std::string_view ch) {
  const auto b = [&](size_t i) { return char32_t(static_cast<unsigned char>(ch[i])); };
  switch (ch.size()) {
    case 1: return b(0);
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
  }
}

constexpr bool InRange(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

constexpr size_t Cell(unsigned char lead, unsigned char trail) {
  return size_t(lead - 0xA1) * 94 + (trail - 0xA1);
}

}  // namespace

size_t EucJpTwoByteCount() { return TheTables().twoByteCount; }

std::optional<std::string> EucJpToUtf8(std::string_view s, bool replaceInvalid) {
  if (IsAscii(s)) return std::string(s);
  const Tables& t = TheTables();
  const size_t n = s.size();
  const auto at = [&](size_t k) { return k < n ? static_cast<unsigned char>(s[k]) : 0; };
  std::string out;
  out.reserve(n + n / 2);
  for (size_t i = 0; i < n;) {
    const unsigned char b = at(i);
    if (b < 0x80) {
      out += char(b);
      ++i;
      continue;
    }
    char32_t cp = 0;
    size_t used = 1;  // the character, or where its sequence broke
    if (b == 0x8E) {
      used = 2;
      if (InRange(at(i + 1), 0xA1, 0xDF)) cp = 0xFF61 - 0xA1 + at(i + 1);
    } else if (b == 0x8F) {
      used = InRange(at(i + 1), 0xA1, 0xFE) ? 3 : 2;
      if (used == 3 && InRange(at(i + 2), 0xA1, 0xFE)) cp = t.threeByte[Cell(at(i + 1), at(i + 2))];
    } else if (InRange(b, 0xA1, 0xFE)) {
      used = 2;
      if (InRange(at(i + 1), 0xA1, 0xFE)) cp = t.twoByte[Cell(b, at(i + 1))];
    } else {
      cp = t.single[b - 0x80];
    }
    if (cp != 0) {
      AppendUtf8(out, cp);
      i += used;
      continue;
    }
    if (!replaceInvalid) return std::nullopt;
    out += kReplacementUtf8;
    // A browser drops the byte a sequence broke at along with it, unless that
    // byte is ASCII, which it reads again; the end of the text breaks it too.
    used = std::min(used, n - i);
    if (used > 1 && at(i + used - 1) < 0x80) --used;
    i += used;
  }
  return out;
}

std::optional<CString> Utf8ToEucJp(std::string_view utf8) {
  if (IsAscii(utf8)) return CString(utf8);
  const Tables& t = TheTables();
  CString out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t len = Utf8SequenceAt(utf8, i);
    if (len == 0) return std::nullopt;
    const char32_t cp = Utf8CodePoint(utf8.substr(i, len));
    i += len;
    if (cp < 0x80) {
      out += char(cp);
    } else if (cp >= 0xFF61 && cp <= 0xFF9F) {
      out += '\x8E';
      out += char(cp - 0xFF61 + 0xA1);
    } else if (cp <= 0xFFFF && t.pointerOf[cp] != 0) {
      // Only characters read from the two-byte rows are here, so the minus
      // sign, the yen sign and the overline, which a browser would write as
      // another character's bytes, have no form.
      const unsigned p = t.pointerOf[cp] - 1u;
      out += char(p / 94 + 0xA1);
      out += char(p % 94 + 0xA1);
    } else {
      return std::nullopt;
    }
  }
  return out;
}

}  // namespace zorva

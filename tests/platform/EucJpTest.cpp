#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "platform/Charset.h"
#include "platform/CodePage.h"
#include "platform/EucJp.h"

using namespace zorva;

namespace {

constexpr ECharset E = ECharset::EucJp;
const std::string kReplacement = "\xEF\xBF\xBD";

std::string Utf8Of(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += char(cp);
  } else if (cp < 0x800) {
    s += char(0xC0 | cp >> 6);
    s += char(0x80 | (cp & 0x3F));
  } else {
    s += char(0xE0 | cp >> 12);
    s += char(0x80 | (cp >> 6 & 0x3F));
    s += char(0x80 | (cp & 0x3F));
  }
  return s;
}

bool IsPrivateUse(const std::string& utf8) { return utf8 >= "\xEE\x80\x80" && utf8 <= "\xEF\xA3\xBF"; }

}  // namespace

// Every cell of the two-byte rows against CP932 read at the same row and cell,
// which is the table browsers read EUC-JP with, and every BMP character
// against the first cell it takes there: it reads back as itself, and nothing
// else is written.
TEST(EucJp, EveryCellAndCharacterAgreesWithTheShiftJisTable) {
  std::map<std::string, std::string> firstForm;  // character -> its EUC-JP bytes
  int bad = 0;
  for (unsigned p = 0; p < 94 * 94; ++p) {
    const unsigned row = p / 94, cell = p % 94;
    const std::string sjis{char(row / 2 + (row < 62 ? 0x81 : 0xC1)),
                           char(cell + (row % 2 ? 0x9F : cell < 63 ? 0x40 : 0x41))};
    const std::string euc{char(row + 0xA1), char(cell + 0xA1)};
    const std::string ch = Cp932ToUtf8(sjis);
    const std::string got = CharsetToUtf8(E, euc);
    const bool mapped = ch != kReplacement && Utf8SequenceAt(ch, 0) == ch.size();
    // Cells the table leaves empty read as U+FFFD, or as the user-defined
    // characters the older layout put there.
    if (mapped ? got != ch : got != kReplacement && !IsPrivateUse(got))
      if (++bad <= 5) ADD_FAILURE() << "cell " << p << " reads as " << got << ", not " << ch;
    if (mapped) firstForm.emplace(ch, euc);
  }
  EXPECT_EQ(bad, 0);
  EXPECT_EQ(EucJpTwoByteCount(), firstForm.size());
  EXPECT_GT(firstForm.size(), 7000u);

  bad = 0;
  for (char32_t cp = 0x80; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const std::string ch = Utf8Of(cp);
    std::optional<std::string> expected;
    if (cp >= 0xFF61 && cp <= 0xFF9F) {
      expected = std::string{'\x8E', char(cp - 0xFF61 + 0xA1)};
    } else if (auto it = firstForm.find(ch); it != firstForm.end()) {
      expected = it->second;
    }
    const std::optional<CString> got = Utf8ToCharset(E, ch);
    if (got != expected || (got && CharsetToUtf8(E, *got) != ch))
      if (++bad <= 5) ADD_FAILURE() << "U+" << std::hex << unsigned(cp) << " written wrongly";
  }
  EXPECT_EQ(bad, 0);
}

TEST(EucJp, NamedCharactersOnTheWayOut) {
  struct Case {
    const char* utf8;
    const char* euc;  // nullptr: no form, so a page gets a reference
    const char* reference;
  } cases[] = {
      {"髙", "\xFC\xE2", ""},          {"﨑", "\xF9\xF5", ""},
      {"德", "\xF9\xFE", ""},          {"\xEF\xA8\x90" /* U+FA10 */, "\xF9\xE0", ""},
      {"①", "\xAD\xA1", ""},          {"Ⅰ", "\xAD\xB5", ""},
      {"～", "\xA1\xC1", ""},          {"ｱ", "\x8E\xB1", ""},
      {"¥", nullptr, "&#165;"},        {"−", nullptr, "&#8722;"},
      {"‾", nullptr, "&#8254;"},       {"é", nullptr, "&#233;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    const std::string page = "a" + std::string(c.utf8) + "b";
    if (c.euc) {
      EXPECT_EQ(Utf8ToCharset(E, c.utf8), c.euc);
      EXPECT_EQ(CharsetToUtf8(E, c.euc), c.utf8);
      EXPECT_EQ(ConvertCharsetForPage(ECharset::Utf8, E, page), "a" + std::string(c.euc) + "b");
    } else {
      EXPECT_FALSE(Utf8ToCharset(E, c.utf8).has_value());
      EXPECT_EQ(FirstUnmappableChar(E, page).value_or(""), c.utf8);
      EXPECT_EQ(ConvertCharsetForPage(ECharset::Utf8, E, page), "a" + std::string(c.reference) + "b");
    }
  }
  EXPECT_EQ(Utf16ToCharset(E, u"髙"), "\xFC\xE2");
  EXPECT_EQ(CharsetToUtf16(E, "\xFC\xE2"), u"髙");
  EXPECT_EQ(ConvertCharset(ECharset::ShiftJis, E, "\xFB\xFC"), "\xFC\xE2");  // CP932's IBM-row 髙
}

TEST(EucJp, ReadsBothLayoutsAndBreaksWhereBrowsersDo) {
  struct Case {
    std::string euc, utf8;
  } cases[] = {
      {"\xFC\xE2", "髙"},                      // as browsers write it
      {"\x8F\xF4\xFB", "髙"},                  // as the Microsoft layout wrote it
      {"\x8F\xAB\xB1", "é"},                   // JIS X 0212
      {"\xF5\xA1", "\xEE\x80\x80"},            // a user-defined character, U+E000
      {"\x80", "\xC2\x80"},                    // a C1 control on its own
      {"\xA4\x41", kReplacement + "A"},        // an ASCII byte after a lead reads again
      {"\xA9\xA1\xA4\xA2", kReplacement + "あ"},  // an empty cell takes both bytes
      {"\x8F\xA1\x41", kReplacement + "A"},
      {"\x8E\xE0z", kReplacement + "z"},
      {"a\x8F\xA1", "a" + kReplacement},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharsetToUtf8(E, c.euc), c.utf8) << c.euc;
    const bool clean = c.utf8.find(kReplacement) == std::string::npos;
    EXPECT_EQ(ConvertCharset(E, ECharset::Utf8, c.euc).has_value(), clean) << c.euc;
  }
}

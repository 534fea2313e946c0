#include <gtest/gtest.h>

#include "platform/Charset.h"
#include "platform/CodePage.h"
#include "platform/StringTable.h"

using namespace zorva;

TEST(CodePage, RoundTripsJapaneseAndHalfWidthKana) {
  const std::string utf8 = "デフォルトエリア ﾌｧｲﾙ 漢字 abc";
  auto cp = Utf8ToCp932(utf8);
  ASSERT_TRUE(cp.has_value());
  EXPECT_EQ(Cp932ToUtf8(*cp), utf8);
  // Half-width katakana are single bytes in CP932.
  EXPECT_EQ(*Utf8ToCp932("ﾌｧｲﾙ"), std::string("\xCC\xA7\xB2\xD9"));
  // "テ" is 83 65: a trail byte in the ASCII range.
  EXPECT_EQ(*Utf8ToCp932("テ"), std::string("\x83\x65"));
}

TEST(CodePage, UnmappableCharacterIsReportedNotDropped) {
  // U+1F600 and U+00E9 have no CP932 form.
  EXPECT_FALSE(Utf8ToCp932("a\xF0\x9F\x98\x80" "b").has_value());
  EXPECT_FALSE(Utf8ToCp932("caf\xC3\xA9").has_value());
  EXPECT_EQ(FirstUnmappableChar("ok\xC3\xA9x").value_or(""), "\xC3\xA9");
  EXPECT_FALSE(FirstUnmappableChar("テスト").has_value());
  // Invalid UTF-8 is refused too.
  EXPECT_FALSE(Utf8ToCp932("\xFF\xFE").has_value());
}

TEST(CodePage, InvalidShiftJisBecomesReplacementCharacter) {
  // A lead byte at the end and an invalid trail byte.
  EXPECT_EQ(Cp932ToUtf8("a\x83"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Cp932ToUtf8(std::string("\x83\x20z", 3)).substr(0, 3), "\xEF\xBF\xBD");
  EXPECT_EQ(Cp932ToUtf8(std::string("\x00x", 2)), std::string("\x00x", 2));
}

TEST(CodePage, Utf16Forms) {
  std::u16string wide = u"画像.jpg";
  auto cp = Utf16ToCp932(wide);
  ASSERT_TRUE(cp.has_value());
  EXPECT_EQ(Cp932ToUtf16(*cp), wide);
  EXPECT_FALSE(Utf16ToCp932(u"\u00e9").has_value());
}

TEST(StringTable, EveryTextHasACodePageForm) {
  for (unsigned id : AllStringIds()) {
    EXPECT_TRUE(Utf8ToCp932(LoadStringUtf8(id)).has_value()) << id;
  }
}

TEST(StringTable, TextsAreTheProductsOwn) {
  EXPECT_EQ(LoadStringUtf8(61728), "予期しないﾌｧｲﾙ形式です。");
  EXPECT_EQ(LoadStringUtf8(61207), "デフォルトエリア");
  EXPECT_EQ(LoadStringUtf8(61204), "~zvaprvw.html");
  EXPECT_EQ(LoadStringUtf8(57345), "ZORVA Version 0.78");
  for (unsigned id = 61857; id <= 61870; ++id) {
    EXPECT_TRUE(HasString(id)) << id;
    EXPECT_NE(LoadStringUtf8(id).find("%1"), std::string::npos) << id;
  }
  EXPECT_FALSE(HasString(1));
  EXPECT_EQ(LoadStringUtf8(1), "");
}

TEST(StringTable, FormatsNumberedAndSequentialPlaceholders) {
  EXPECT_EQ(FormatString(61858, {"a.zvf"}), "a.zvf が見つかりませんでした。");
  EXPECT_EQ(FormatString(61218, {"<img>", "src"}), "<img>タグのsrc属性の記述に誤りがあります");
  EXPECT_EQ(FormatString(61215, {"pic", ".gif"}), "GIFファイル\"pic.gif\"を読み込み中です");
  EXPECT_EQ(FormatText("%d%%", {}), "%d%");
  EXPECT_EQ(FormatText("x%s", {}), "x");
  EXPECT_EQ(LoadStringCp932(61208), std::string("\x96\xBC\x8F\xCC\x96\xA2\x90\xDD\x92\xE8"));
}

TEST(Charset, ConversionsPerCharset) {
  const ECharset S = ECharset::ShiftJis, U = ECharset::Utf8, E = ECharset::EucJp;
  // The same text in each charset's bytes; "①～" are the extensions CP932 and
  // EUC-JP as browsers read it share.
  const std::string text = "東京 ①～ ｶﾅ abc";
  for (ECharset c : {S, U, E}) {
    std::optional<CString> bytes = Utf8ToCharset(c, text);
    ASSERT_TRUE(bytes.has_value()) << CharsetName(c);
    EXPECT_EQ(CharsetToUtf8(c, *bytes), text);
    for (ECharset to : {S, U, E}) EXPECT_EQ(ConvertCharset(c, to, *bytes), Utf8ToCharset(to, text));
  }
  // Characters a charset lacks: refused on the way in, referenced in a page,
  // "?" where the text must go over.
  EXPECT_FALSE(Utf8ToCharset(S, "😀").has_value());
  EXPECT_FALSE(Utf8ToCharset(E, "😀").has_value());
  EXPECT_FALSE(ConvertCharset(U, S, "a😀").has_value());
  EXPECT_EQ(ConvertCharsetForPage(U, S, "笑😀é"), *Utf8ToCp932("笑") + "&#128512;&#233;");
  EXPECT_EQ(ConvertCharsetLossy(U, E, "笑😀"), *Utf8ToCharset(E, "笑") + "?");
  EXPECT_EQ(FirstUnmappableChar(E, "東京é😀").value_or(""), "é");  // JIS X 0212 is not written
  // Bytes that do not decode show as U+FFFD; broken UTF-8 is never passed on.
  EXPECT_EQ(CharsetToUtf8(U, "a\xC3"), "a\xEF\xBF\xBD");
  EXPECT_EQ(CharsetToUtf8(E, "a\xA4"), "a\xEF\xBF\xBD");
  EXPECT_FALSE(Utf8ToCharset(U, "\xED\xA0\x80").has_value());
  // The wide form of stored strings.
  EXPECT_EQ(Utf16ToCharset(U, u"笑\U0001F600"), "笑😀");
  EXPECT_EQ(CharsetToUtf16(E, *Utf8ToCharset(E, "東京")), u"東京");
  EXPECT_FALSE(Utf16ToCharset(U, std::u16string(1, char16_t(0xD800))).has_value());
}

TEST(Charset, PrefixesEndBetweenCharacters) {
  struct Case {
    ECharset charset;
    std::string bytes;
    size_t max, expected;
  } cases[] = {
      {ECharset::Utf8, "ab日本", 4, 2},         {ECharset::Utf8, "ab日本", 5, 5},
      {ECharset::Utf8, "😀", 3, 0},             {ECharset::EucJp, "a\xC5\xEC\x8E\xB6", 2, 1},
      {ECharset::EucJp, "\x8F\xB0\xA1z", 2, 0}, {ECharset::EucJp, "\x8F\xB0\xA1z", 4, 4},
      {ECharset::ShiftJis, "a\x83\x65", 2, 1},  {ECharset::Utf8, "a\xE6", 9, 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CharsetPrefixLength(c.charset, c.bytes, c.max), c.expected) << c.bytes << " " << c.max;
}

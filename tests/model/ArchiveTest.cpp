#include <gtest/gtest.h>

#include "tests/model/ProjectBytes.h"
#include "model/Archive.h"

using zorva::test::Bytes;

namespace {

std::string Stored(const std::string& s) {
  CArchive ar;
  ar.WriteString(s);
  return std::string(ar.Data());
}

CArchiveException::Cause LoadFailure(const std::string& data, void (*read)(CArchive&)) {
  CArchive ar(data);
  try {
    read(ar);
  } catch (const CArchiveException& e) {
    return e.m_cause;
  }
  ADD_FAILURE() << "no failure";
  return CArchiveException::tooLarge;
}

void ReadSjis(CArchive& ar) { ar.ReadText(); }
void ReadUtf8(CArchive& ar) {
  ar.SetTextCharset(zorva::ECharset::Utf8);
  ar.ReadText();
}

}  // namespace

TEST(Archive, StringPrefixesChangeFormAtEachLengthClassAndReadBack) {
  struct Case {
    size_t len;
    std::string prefix;
  } cases[] = {
      {0, Bytes("00")},
      {254, Bytes("FE")},
      {255, Bytes("FF FF 00")},
      {65533, Bytes("FF FD FF")},
      {65534, Bytes("FF FF FF FE FF 00 00")},
      {70000, Bytes("FF FF FF 70 11 01 00")},
  };
  for (const Case& c : cases) {
    std::string text(c.len, 'x');
    if (c.len) text.back() = '\x95';  // a byte above 0x7F passes unchanged
    std::string data = Stored(text);
    ASSERT_EQ(data.size(), c.prefix.size() + c.len) << c.len;
    EXPECT_EQ(data.substr(0, c.prefix.size()), c.prefix) << c.len;
    CArchive in(data);
    EXPECT_EQ(in.ReadString(), text) << c.len;
    EXPECT_EQ(in.Remaining(), 0u);
    // The wide form counts code units with the same prefix after its mark.
    CArchive wide;
    std::string units;
    for (size_t i = 0; i < c.len; ++i) units += std::string("x\0", 2);  // u'x' little-endian
    wide.WriteWideString(units);
    EXPECT_EQ(wide.Data().substr(0, 3 + c.prefix.size()), Bytes("FF FE FF") + c.prefix) << c.len;
  }
}

TEST(Archive, WideStringsAreConvertedToTheCodePage) {
  // "aあ" in UTF-16LE, short and with the word-length second prefix.
  std::string data = Bytes("FF FE FF 02 61 00 42 30  FF FE FF FF 02 00 61 00 42 30");
  CArchive in(data);
  EXPECT_EQ(in.ReadString(), "a\x82\xA0");
  EXPECT_EQ(in.ReadString(), "a\x82\xA0");
  // A character without a CP932 form, and a lone surrogate, are refused.
  EXPECT_EQ(LoadFailure(Bytes("FF FE FF 01 3D D8"), [](CArchive& a) { a.ReadString(); }),
            CArchiveException::badString);
  EXPECT_EQ(LoadFailure(Bytes("FF FE FF 02 3D D8 00 DE"), [](CArchive& a) { a.ReadString(); }),
            CArchiveException::badString);
}

TEST(Archive, TextsGoNarrowWhereShiftJisHoldsThemExactlyAndWideOtherwise) {
  using zorva::ECharset;
  const struct {
    ECharset charset;
    std::string text, stored;
  } cases[] = {
      {ECharset::ShiftJis, "a\x82\xA0\xFF", Bytes("04 61 82 A0 FF")},  // as they are, even undecodable
      {ECharset::Utf8, "abc", Bytes("03 'abc'")},
      {ECharset::Utf8, "\xE3\x81\x82", Bytes("02 82 A0")},  // あ
      {ECharset::Utf8, "caf\xC3\xA9", Bytes("FF FE FF 04 63 00 61 00 66 00 E9 00")},
      {ECharset::Utf8, "\xF0\x9F\x98\x80", Bytes("FF FE FF 02 3D D8 00 DE")},
      // Shift_JIS would give them back as the backslash and the full-width tilde.
      {ECharset::Utf8, "\xC2\xA5", Bytes("FF FE FF 01 A5 00")},          // yen sign
      {ECharset::Utf8, "\xE3\x80\x9C", Bytes("FF FE FF 01 1C 30")},     // wave dash
      {ECharset::EucJp, "\xA4\xA2\x8E\xB1", Bytes("03 82 A0 B1")},     // あｱ
  };
  for (const auto& c : cases) {
    CArchive out;
    out.SetTextCharset(c.charset);
    out.WriteText(c.text);
    EXPECT_EQ(out.Data(), c.stored) << c.stored;
    CArchive in(c.stored);
    in.SetTextCharset(c.charset);
    EXPECT_EQ(in.ReadText(), c.text) << c.stored;
  }
}

TEST(Archive, ReadingATextFailsWhereTheCharsetCannotHoldItOrItIsNotUtf16) {
  using zorva::ECharset;
  const struct {
    const char* hex;
    ECharset charset;
    std::string text;  // what is read, or empty for a failure of `cause`
    CArchiveException::Cause cause;
  } cases[] = {
      {"FF FE FF 02 61 00 42 30", ECharset::ShiftJis, "a\x82\xA0", {}},
      {"FF FE FF 02 3D D8 00 DE", ECharset::ShiftJis, "", CArchiveException::textCharset},
      {"FF FE FF 01 1C 30", ECharset::ShiftJis, "", CArchiveException::textCharset},
      {"FF FE FF 01 3D D8", ECharset::ShiftJis, "", CArchiveException::badText},
      {"FF FE FF 02 00 DE 61 00", ECharset::Utf8, "", CArchiveException::badText},
      {"02 61 82", ECharset::Utf8, "a\xEF\xBF\xBD", {}},  // a cut character
  };
  for (const auto& c : cases) {
    std::string data = Bytes(c.hex);
    if (c.text.empty()) {
      EXPECT_EQ(LoadFailure(data, c.charset == ECharset::Utf8 ? ReadUtf8 : ReadSjis), c.cause) << c.hex;
      continue;
    }
    CArchive in(data);
    in.SetTextCharset(c.charset);
    EXPECT_EQ(in.ReadText(), c.text) << c.hex;
  }
}

TEST(Archive, ShortOrForgedLengthsEndTheStream) {
  auto readString = [](CArchive& a) { a.ReadString(); };
  for (const char* hex : {"", "05 61 62", "FF 10", "FF FF FF FF FF FF FF 61",
                          "FF FE FF FF FF FF FF FF 7F", "FF FE FF 02 61 00 42"})
    EXPECT_EQ(LoadFailure(Bytes(hex), readString), CArchiveException::endOfFile) << hex;
  EXPECT_EQ(LoadFailure(Bytes("01 02 03"), [](CArchive& a) { a.ReadInt32(); }),
            CArchiveException::endOfFile);
}

TEST(Archive, FlagsWriteZeroOrOneAndReadOnlyTheLowByte) {
  CArchive out;
  out.WriteFlag(true);
  out.WriteFlag(false);
  EXPECT_EQ(out.Data(), Bytes("01 00 00 00 00 00 00 00"));
  std::string data = Bytes("00 01 00 00  02 00 00 00  FF FF FF 00");
  CArchive in(data);
  EXPECT_FALSE(in.ReadFlag());
  EXPECT_TRUE(in.ReadFlag());
  EXPECT_TRUE(in.ReadFlag());
}

TEST(Archive, ObjectTagsShareOneRunningIndex) {
  CArchive out;
  out.WriteObjectTag("CArea");
  out.WriteObjectTag("CArea");
  out.WriteObjectTag("CGuide");
  out.WriteObjectTag("CGuide");
  std::string data(out.Data());
  EXPECT_EQ(data, Bytes("FF FF 00 00 05 00 'CArea' 01 80 FF FF 00 00 06 00 'CGuide' 04 80"));
  CArchive in(data);
  in.ReadObjectTag("CArea");
  in.ReadObjectTag("CArea");
  in.ReadObjectTag("CGuide");
  in.ReadObjectTag("CGuide");
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, ClassIndicesPastTheWordUseTheBigForm) {
  // 40000 areas put the guide class at index 40002, beyond a word's reach.
  CArchive out;
  for (int i = 0; i < 40000; ++i) out.WriteObjectTag("CArea");
  size_t guideStart = out.Data().size();
  out.WriteObjectTag("CGuide");
  out.WriteObjectTag("CGuide");
  out.WriteObjectTag("CArea");
  std::string data(out.Data());
  EXPECT_EQ(data.substr(guideStart), Bytes("FF FF 00 00 06 00 'CGuide' FF 7F 42 9C 00 80 01 80"));
  CArchive in(data);
  for (int i = 0; i < 40000; ++i) in.ReadObjectTag("CArea");
  in.ReadObjectTag("CGuide");
  in.ReadObjectTag("CGuide");
  in.ReadObjectTag("CArea");
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, MalformedObjectTagsAreRefused) {
  struct Case {
    const char* hex;
    CArchiveException::Cause cause;
  } cases[] = {
      {"00 00", CArchiveException::badIndex},                            // null entry
      {"FF FF 00 00 05 00 'CArea' 02 00", CArchiveException::badIndex},  // the object itself
      {"FF FF 00 00 05 00 'CArea' FF 7F 02 00 00 00", CArchiveException::badIndex},
      {"05 80", CArchiveException::badIndex},                            // class never introduced
      {"FF FF 00 00 05 00 'CArea' 02 80", CArchiveException::badIndex},  // an object, not a class
      {"FF FF 00 00 06 00 'CGuide'", CArchiveException::badClass},
      {"FF FF 00 00 05 00 'Carea'", CArchiveException::badClass},
      {"FF FF 01 00 05 00 'CArea'", CArchiveException::badSchema},
      {"FF FF 00 00 40 00", CArchiveException::badClass},                // name of 64 bytes
      {"FF FF 00 00 05 00 'CAr'", CArchiveException::endOfFile},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadFailure(Bytes(c.hex),
                          [](CArchive& a) {
                            a.ReadObjectTag("CArea");
                            a.ReadObjectTag("CArea");
                          }),
              c.cause)
        << c.hex;
  }
}

#include <gtest/gtest.h>

#include "HtmlTestSupport.h"
#include "html/PageCharset.h"
#include "platform/CodePage.h"

using namespace zorva;
using namespace zorva::test;

TEST(PageCharset, DeclarationsMarksAndBytes) {
  const ECharset S = ECharset::ShiftJis, U = ECharset::Utf8, E = ECharset::EucJp;
  struct Case {
    std::string page;
    ECharset charset;
    std::string unsupported;
  } cases[] = {
      {"", S, ""},
      {"\xEF\xBB\xBF<p>abc</p>", U, ""},
      {"<meta charset=\"utf-8\">", U, ""},
      {"<HEAD><META CHARSET=UTF8></HEAD>", U, ""},
      {"<meta charset='EUC-JP'/>", E, ""},
      {"<meta charset=\" windows-31j \">\xE6\x97\xA5", S, ""},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-jp\">", E, ""},
      {"<META HTTP-EQUIV=content-type CONTENT=\"text/html;charset=x-sjis\">\xE6\x97\xA5", S, ""},
      {"<meta content='text/html; charset = \"utf-8\"' http-equiv='Content-Type'>", U, ""},
      {"<meta charset=\"iso-8859-1\">caf\xE9", S, "iso-8859-1"},
      // Not declarations: another META, a refresh, a commented one, one after the map.
      {"<meta name=\"description\" content=\"charset=utf-8\">", S, ""},
      {"<meta http-equiv=\"refresh\" content=\"0; charset=utf-8\">", S, ""},
      {"<metadata charset=\"utf-8\">", S, ""},
      {"<!-- <meta charset=\"utf-8\"> --><meta charset=\"euc-jp\">", E, ""},
      {"<map name=m></map><meta charset=\"euc-jp\">", S, ""},
      // The first declaration counts.
      {"<meta charset=\"utf-8\"><meta charset=\"euc-jp\">", U, ""},
      // Undeclared: valid UTF-8 with a multi-byte sequence, else Shift_JIS.
      {"<p>\xE6\x97\xA5\xE6\x9C\xAC</p>", U, ""},
      {"<p>\x93\xFA\x96\x7B</p>", S, ""},
      {"<p>\xC0\xAF overlong</p>", S, ""},
      {"<p>\xED\xA0\x80 surrogate</p>", S, ""},
      {"<p>plain ASCII</p>", S, ""},
      // Cut short inside the declaration.
      {"<meta charset=\"utf-8", U, ""},
      {"<meta http-equiv=content-type content=", S, ""},
  };
  for (const Case& c : cases) {
    html::PageCharset got = html::DetectPageCharset(c.page);
    EXPECT_EQ(got.charset, c.charset) << c.page;
    EXPECT_EQ(got.unsupported, c.unsupported) << c.page;
  }
}

TEST(PageCharset, TheReaderKeepsTheBytesAndShowsThemInThePagesCharset) {
  Reader r;
  // A UTF-8 page: the default area's comment joins its charset, image lines
  // are cut between characters, script names too.
  const std::string longName(121, 'x');
  const std::string page =
      "<meta charset=utf-8><script>function " + longName + "\xE6\x97\xA5\xE6\x9C\xAC(a)</script>"
      "<img src=\"\xE7\x94\xBB\xE5\x83\x8F/\xE5\x86\x99\xE7\x9C\x9F\xE3\x81\xAE\xE5\x86\x99\xE7\x9C\x9F"
      "\xE3\x81\xAE\xE5\x86\x99\xE7\x9C\x9F.jpg\" usemap=\"#m\"><img src=\"b.jpg\">"
      "<map name=\"m\"><area shape=rect coords=\"1,2,3,4\" alt=\"\xF0\x9F\x98\x80\"><area shape=default></map>";
  r.host.imageAnswers.push_back(0);
  ASSERT_TRUE(r.Read(page));
  EXPECT_EQ(r.doc.m_nCharset, ECharset::Utf8);
  EXPECT_EQ(r.doc.m_areaDefault.m_strComment, "デフォルトエリア");
  EXPECT_EQ(r.Area(0).m_strAlt, "\xF0\x9F\x98\x80");
  ASSERT_EQ(r.host.imageChoices.size(), 1u);
  // 30 bytes hold "画像/" (7) and seven three-byte characters; the eighth would end at 31.
  EXPECT_EQ(r.host.imageChoices[0][0], " Yes          画像/写真の写真の写");
  // The picture path is a file path: Shift_JIS.
  EXPECT_EQ(r.doc.m_strPicturePath, *Utf8ToCp932("/site/画像/写真の写真の写真.jpg"));
  ASSERT_EQ(r.doc.m_listScriptName.size(), 1u);
  EXPECT_EQ(r.doc.m_listScriptName.front(), longName + "\xE6\x97\xA5;");  // 126 bytes end inside "本"

  // Opening another page gives the next document Shift_JIS again.
  ASSERT_TRUE(r.Read("<img src=a.jpg usemap=#m><map name=m><area shape=default></map>"));
  EXPECT_EQ(r.doc.m_nCharset, ECharset::ShiftJis);
  EXPECT_EQ(r.doc.m_areaDefault.m_strComment, kDefaultComment);
  // A page whose map has no default area leaves it without the comment, so
  // that none is written into it.
  ASSERT_TRUE(r.Read("<img src=a.jpg>"));
  EXPECT_EQ(r.doc.m_areaDefault.m_strComment, "");
  EXPECT_TRUE(r.host.MessageIds().empty());
}

TEST(PageCharset, ACharsetTheEditorDoesNotKnowIsToldOnceWhenTheTextsCouldSufferFromIt) {
  for (const auto& [page, told] : std::initializer_list<std::pair<std::string, bool>>{
           {"<meta charset=iso-8859-1><img src=a.jpg alt='caf\xE9'>", true},
           {"<meta charset=iso-8859-1><meta charset=koi8-r><img src=a.jpg>", false},
       }) {
    Reader r;
    ASSERT_TRUE(r.Read(page));
    EXPECT_EQ(r.doc.m_nCharset, ECharset::ShiftJis);
    EXPECT_EQ(r.host.MessageIds(), told ? std::vector<unsigned>{65011} : std::vector<unsigned>{}) << page;
    if (told) {
      EXPECT_NE(r.host.Messages()[0].text.find("iso-8859-1"), std::string::npos);
    }
  }
}

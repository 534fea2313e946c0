// Pages in UTF-8 and EUC-JP through zorva-cli: dumped, edited through the
// editing view and written back in their own charset.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/Charset.h"

using namespace zorva;
using namespace zorva::test;

namespace {

class CharsetCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
    for (const char* name : {"utf8.html", "eucjp.html", "pic.png"})
      std::filesystem::copy_file(std::string(ZORVA_TEST_DATA_DIR) + "/pages/" + name, dir.File(name));
  }
  void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

  std::string Dump(const std::string& file) {
    CommandResult r = RunCommand({ZORVA_CLI_PATH, "dump", file});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }
  // Replays `script` over `input` and gives the bytes written to `out`.
  std::string Replay(const std::string& input, const std::string& script, const std::string& out) {
    WriteFileBytes(dir.File("script.txt"), script);
    CommandResult r = RunCommand(
        {ZORVA_CLI_PATH, "replay", dir.File(input), dir.File("script.txt"), dir.File(out), "--newline", "lf"});
    EXPECT_EQ(r.status, 0) << r.err;
    return ReadFileBytes(dir.File(out));
  }
  static std::string Euc(const std::string& utf8) { return *Utf8ToCharset(ECharset::EucJp, utf8); }

  TempDir dir;

 private:
  TempDir m_config;
};

// `written` begins with what stood before the map of `original` and ends with
// what followed it: the patch copies those byte for byte.
void ExpectSameAroundMap(const std::string& written, const std::string& original) {
  const std::string before = original.substr(0, original.find("<map"));
  const std::string after = original.substr(original.find("</map>") + 6);
  EXPECT_EQ(written.substr(0, before.size()), before);
  ASSERT_GE(written.size(), after.size());
  EXPECT_EQ(written.substr(written.size() - after.size()), after);
}

}  // namespace

TEST_F(CharsetCli, DumpShowsThePagesTextsFromItsCharset) {
  std::string undeclared = ReadFileBytes(dir.File("utf8.html"));
  undeclared.erase(undeclared.find("<meta charset=\"utf-8\">\n"), 23);
  WriteFileBytes(dir.File("undeclared.html"), undeclared);
  struct Case {
    const char* file;
    const char* charset;
    std::vector<std::string> texts;
  } cases[] = {
      {"utf8.html", "utf-8",
       {"\"href\":\"日本語/ページ.html\"", "\"alt\":\"東京タワー\"", "\"alt\":\"Crème brûlée à la carte\"",
        "\"href\":\"https://example.com/😀\"", "\"alt\":\"笑顔 😀 emoji\"", "\"挨拶(名前);\""}},
      {"undeclared.html", "utf-8", {"\"alt\":\"笑顔 😀 emoji\""}},
      {"eucjp.html", "euc-jp",
       {"\"href\":\"東京.html\"", "\"alt\":\"東京タワー ①～②\"", "\"href\":\"ｶﾀｶﾅ.html\"",
        "\"alt\":\"半角ｶﾀｶﾅと全角カタカナ\""}},
  };
  for (const Case& c : cases) {
    const std::string dump = Dump(dir.File(c.file));
    EXPECT_HAS(dump, std::string("\"charset\":\"") + c.charset + "\"");
    for (const std::string& text : c.texts) EXPECT_HAS(dump, text) << c.file;
  }
}

TEST_F(CharsetCli, AnEditWritesThePagesCharsetAndChangesNothingElse) {
  const std::string input = ReadFileBytes(dir.File("utf8.html"));
  const std::string same = Replay("utf8.html", "state\n", "same.html");
  // Row 0 is the topmost area: the page's first, the rectangle.
  const std::string edited = Replay("utf8.html", "row 0\npanel alt 新しい説明 ✨\napply\n", "edited.html");
  ExpectSameAroundMap(same, input);
  // The page's map had no default area: none is added.
  EXPECT_EQ(same.find("デフォルトエリア"), std::string::npos) << same;
  std::string expected = same;
  const std::string before = "alt=\"東京タワー\"";
  ASSERT_NE(expected.find(before), std::string::npos) << same;
  expected.replace(expected.find(before), before.size(), "alt=\"新しい説明 ✨\"");
  EXPECT_EQ(edited, expected);

  // EUC-JP: the edit goes in as EUC-JP, the rest of the page stays.
  const std::string eucInput = ReadFileBytes(dir.File("eucjp.html"));
  const std::string eucEdited = Replay("eucjp.html", "row 1\npanel alt 変更①\napply\n", "edited-euc.html");
  ExpectSameAroundMap(eucEdited, eucInput);
  EXPECT_HAS(eucEdited, "alt=\"" + Euc("変更①") + "\"");
  EXPECT_HAS(eucEdited, "alt=\"" + Euc("東京タワー ①～②") + "\"");
  EXPECT_EQ(eucEdited.find(Euc("デフォルトエリア")), std::string::npos);
  EXPECT_HAS(Dump(dir.File("edited-euc.html")), "\"alt\":\"変更①\"");
}

TEST_F(CharsetCli, ATextThePagesCharsetCannotHoldIsAReferenceInAnAttributeAndRefusedInAComment) {
  WriteFileBytes(dir.File("script.txt"), "row 0\npanel alt ¥😀\npanel comment 😀\napply\n");
  CommandResult r = RunCommand(
      {ZORVA_CLI_PATH, "replay", dir.File("eucjp.html"), dir.File("script.txt"), dir.File("out.html")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_HAS(r.err, "message 65010");
  EXPECT_HAS(ReadFileBytes(dir.File("out.html")), "alt=\"&#165;&#128512;\"");
  const std::string dump = Dump(dir.File("out.html"));
  EXPECT_HAS(dump, "\"alt\":\"¥😀\"");
  EXPECT_EQ(dump.find("😀\",\"reserved"), std::string::npos);
}

TEST_F(CharsetCli, AProjectMadeFromAUtf8PageKeepsTextsShiftJisCannotHold) {
  Replay("utf8.html", "state\n", "site.zvf");
  const std::string dump = Dump(dir.File("site.zvf"));
  EXPECT_HAS(dump, "\"alt\":\"笑顔 😀 emoji\"");
  EXPECT_HAS(dump, "\"alt\":\"Crème brûlée à la carte\"");
  EXPECT_HAS(dump, "\"alt\":\"東京タワー\"");
}

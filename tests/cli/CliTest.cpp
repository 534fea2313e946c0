#include <gtest/gtest.h>

#include <filesystem>

#include "tests/model/ProjectBytes.h"
#include "TestSupport.h"
#include "model/DocumentFile.h"
#include "model/ZorvaDoc.h"

using zorva::test::Bytes;
using zorva::test::ReadFileBytes;
using zorva::test::RectangleAndGuideFile;
using zorva::test::RunCommand;
using zorva::test::TempDir;
using zorva::test::WriteFileBytes;

namespace {

zorva::test::CommandResult Cli(std::vector<std::string> args) {
  args.insert(args.begin(), ZORVA_CLI_PATH);
  return RunCommand(args);
}

}  // namespace

TEST(CliDump, PrintsTheDocumentAsTheEditorOpensIt) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "maps");
  WriteFileBytes(dir.File("maps/site.zvf"), RectangleAndGuideFile());
  auto r = Cli({"dump", dir.File("maps/site.zvf")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  // The picture is the path the document holds once open: resolved against
  // the file's folder.
  EXPECT_EQ(r.out,
            "{\"version\":78,\"charset\":\"shift_jis\",\"picture\":\"" + dir.File("maps/img/a.jpg") +
                "\",\"size\":[100,50],\"areas\":[{\"type\":0,\"closed\":true,"
                "\"points\":[[10,20],[50,60]],\"handle1\":[],\"handle2\":[],"
                "\"bound\":[10,20,50,60],\"href\":\"a.html\",\"target\":\"\",\"alt\":\"\","
                "\"javascript\":false,\"onclick\":\"\",\"onmouseover\":\"\",\"onmouseout\":\"\","
                "\"comment\":\"\",\"reserved\":false,\"htmlShape\":true,\"tailEnd\":true}],"
                "\"default\":{\"href\":\"\",\"target\":\"\",\"alt\":\"\",\"javascript\":false,"
                "\"onclick\":\"\",\"onmouseover\":\"\",\"onmouseout\":\"\","
                "\"comment\":\"デフォルトエリア\"},"
                "\"guides\":[{\"horizontal\":false,\"pos\":30}],\"page\":null,\"scripts\":[]}\n");
}

TEST(CliDump, TextsBecomeEscapedUtf8) {
  TempDir dir;
  CZorvaDoc doc;
  doc.m_strPicturePath = "/p.png";
  auto* a = new CArea;
  a->m_nType = AREA_POLYGON;
  a->AddHandle1(-1, 2);
  a->m_strHref = "\x83\x41\"q\\\n\t\x01";  // "ア", quote, backslash, controls
  a->m_strAlt = "\xFF\x80";                  // not CP932
  doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
  WriteFileBytes(dir.File("t.zvf"), zorva::StoreProjectStream(doc));
  auto r = Cli({"dump", dir.File("t.zvf")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"href\":\"ア\\\"q\\\\\\n\\t\\u0001\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"alt\":\"\xEF\xBF\xBD\xEF\xBF\xBD\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"handle1\":[[-1,2]]"), std::string::npos) << r.out;
}

TEST(CliDump, FailuresCarryTheProductsMessage) {
  TempDir dir;
  WriteFileBytes(dir.File("cut.zvf"), RectangleAndGuideFile().substr(0, 60));
  auto r = Cli({"dump", dir.File("cut.zvf")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "予期しないﾌｧｲﾙ形式です。\n");
  EXPECT_EQ(r.out, "");

  r = Cli({"dump", dir.File("gone.zvf")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, dir.File("gone.zvf") + " が見つかりませんでした。\n");

  // A GIF picture opens as any other.
  WriteFileBytes(dir.File("a.gif"), std::string("GIF89a\x03\0\x02\0\0\0\0", 13));
  r = Cli({"dump", dir.File("a.gif")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("UNISYS"), std::string::npos);

  EXPECT_EQ(Cli({"dump"}).status, 2);
  EXPECT_EQ(Cli({"dump", "a", "b"}).status, 2);
}

TEST(CliConvert, SavesAsTheEditorDoesWithThePictureRelativeToTheNewFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "sub");
  WriteFileBytes(dir.File("site.zvf"), RectangleAndGuideFile());
  // Beside the original: the same bytes.
  auto r = Cli({"convert", dir.File("site.zvf"), dir.File("copy.zvf")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(dir.File("copy.zvf")), RectangleAndGuideFile());
  // In a subfolder: the picture one level up; relative names work as well.
  r = RunCommand({"/bin/sh", "-c",
                  "cd '" + dir.path().string() + "' && '" + ZORVA_CLI_PATH +
                      "' convert site.zvf sub/../sub/x.ZVF"});
  EXPECT_EQ(r.status, 0) << r.err;
  std::string bytes = ReadFileBytes(dir.File("sub/x.zvf"));
  EXPECT_EQ(bytes.substr(4, 13), Bytes("0C '../img/a.jpg'"));
  EXPECT_EQ(bytes.size(), 183u);
}

TEST(CliConvert, RefusesWhatItCannotWriteOrRead) {
  TempDir dir;
  WriteFileBytes(dir.File("site.zvf"), RectangleAndGuideFile());
  auto r = Cli({"convert", dir.File("site.zvf"), dir.File("out.txt")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find(".zvf"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.zvf")));

  WriteFileBytes(dir.File("bad.zvf"), Bytes("4E 00 00 00 FF"));
  r = Cli({"convert", dir.File("bad.zvf"), dir.File("out.zvf")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "予期しないﾌｧｲﾙ形式です。\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.zvf")));

  r = Cli({"convert", dir.File("site.zvf"), dir.File("none/out.zvf")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, dir.File("none/out.zvf") + " が見つかりませんでした。\n");
  EXPECT_EQ(Cli({"convert", dir.File("site.zvf")}).status, 2);
}

TEST(CliHelp, ListsDumpAndConvert) {
  auto r = Cli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("dump FILE"), std::string::npos);
  EXPECT_NE(r.out.find("convert IN OUT"), std::string::npos);
}

// zorva-cli replay: the editing view driven by a script, run as the real executable.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "TestSupport.h"
#include "model/ZorvaDoc.h"

using namespace zorva::test;

namespace {

void WriteGreyPng(const std::string& path, int width, int height) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot create " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng failed writing " + path);
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) row[size_t(x)] = png_byte((x + y) & 0xFF);
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

class Replay : public ::testing::Test {
 protected:
  // The user's stored page settings stay out of the page writes.
  void SetUp() override {
    ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
    WriteGreyPng(dir.File("pic.png"), 400, 300);
  }
  void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

  // A project over pic.png (400 x 300) with one rectangle and one guide.
  std::string Project() {
    CZorvaDoc doc;
    doc.m_strPicturePath = dir.File("pic.png");
    doc.m_sizePicture = {400, 300};
    auto* a = new CArea;
    a->m_nType = AREA_RECT;
    a->m_bClosed = true;
    a->AddPoint(10, 20);
    a->AddPoint(110, 80);
    a->RecalcBound();
    a->m_strHref = "a.html";
    doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
    auto* g = new CGuide;
    g->m_nPos = 30;
    doc.m_listGuide.push_back(std::unique_ptr<CGuide>(g));
    const std::string path = dir.File("site.zvf");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
  }

  CommandResult Run(const std::string& input, const std::string& script, const std::string& out,
                    std::vector<std::string> options = {}) {
    WriteFileBytes(dir.File("script.txt"), script);
    std::vector<std::string> argv = {ZORVA_CLI_PATH, "replay", input, dir.File("script.txt"), out};
    argv.insert(argv.end(), options.begin(), options.end());
    return RunCommand(argv);
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
      lines.push_back(text.substr(start, nl - start));
    return lines;
  }

  std::string Dump(const std::string& file) {
    CommandResult r = RunCommand({ZORVA_CLI_PATH, "dump", file});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }

  TempDir dir;

 private:
  TempDir m_config;
};


}  // namespace

TEST_F(Replay, BadLinesAreNamedAndNothingRunsOrIsSaved) {
  struct Case {
    std::string line;
    const char* reason;
  } cases[] = {
      {"fly 1 2", "unknown command 'fly'"},
      {"size 10", "missing arguments"},
      {"size 10 20 30", "too many arguments"},
      {"size 10 99999", "out of range"},
      {"scroll a 5", "not a whole number: 'a'"},
      {"scroll 1 +5", "not a whole number"},
      {"press 1 99999999999999999999999", "not a whole number"},
      {"press 1", "expected X and Y"},
      {"move 1 2 meta", "unexpected 'meta'"},
      {"release 1 2 shift shift", "given twice"},
      {"tool bezier", "unknown tool 'bezier'"},
      {"tool hand", "unknown tool 'hand'"},
      {"key F1 down", "unknown key 'F1'"},
      {"key A sideways", "expected down or up"},
      {"keypress", "missing arguments"},
      {"ruler middle 1 2", "expected top or left"},
      {"command zoom300", "unknown command name 'zoom300'"},
      {"panel colour red", "unknown panel field 'colour'"},
      {"panel type square", "not a whole number"},
      {"panel type 4", "out of range"},
      {"panel javascript maybe", "expected on or off"},
      {"panel point 0 5;6", "expected X,Y"},
      {"panel rows 1,x", "not a whole number: 'x'"},
      {"panel url bad\xFF", "not UTF-8"},
      {"apply -1", "out of range"},
      {"row", "missing arguments"},
      {"answer maybe", "not a whole number"},
      {"state now", "too many arguments"},
      {"\x01\x02\xFE junk", "unknown command '\\x01\\x02\\xFE'"},
  };
  for (const Case& c : cases) {
    const std::string out = dir.File("out.zvf");
    CommandResult r = Run(dir.File("pic.png"), "state\n# a comment\n" + c.line + "\n", out);
    EXPECT_EQ(r.status, 2) << c.line;
    EXPECT_HAS(r.err, "line 3: ");
    EXPECT_HAS(r.err, c.reason);
    EXPECT_EQ(r.out, "") << c.line;  // checked in full before the first line runs
    EXPECT_FALSE(std::filesystem::exists(out)) << c.line;
  }
}

TEST_F(Replay, ScriptsThatCannotBeReadOrRunFail) {
  const std::string out = dir.File("out.zvf");
  // A line that parses but names a row the area list does not have.
  CommandResult r = Run(Project(), "state\nrow 2\n", out);
  EXPECT_EQ(r.status, 2);
  EXPECT_HAS(r.err, "line 2: the area list has 2 rows: row 2");
  EXPECT_EQ(Lines(r.out).size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(out));

  r = Run(dir.File("pic.png"), "state\n" + std::string(70000, 'x') + "\n", out);
  EXPECT_EQ(r.status, 2);
  EXPECT_HAS(r.err, "line 2: the line is longer than 65536 bytes");
  EXPECT_LT(r.err.size(), 400u);

  r = RunCommand({ZORVA_CLI_PATH, "replay", dir.File("pic.png"), dir.File("none.txt"), out});
  EXPECT_EQ(r.status, 1);
  EXPECT_HAS(r.err, "none.txt");
  r = RunCommand({ZORVA_CLI_PATH, "replay", dir.File("pic.png"), dir.path().string(), out});
  EXPECT_EQ(r.status, 1);

  r = Run(dir.File("gone.png"), "state\n", out);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  r = Run(dir.File("pic.png"), "state\n", dir.File("out.txt"));
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(std::filesystem::exists(out));

  // A picture that cannot be decoded: the view would not know its size.
  WriteFileBytes(dir.File("broken.png"), "\x89PNG\r\n\x1a\n-- not a picture");
  r = Run(dir.File("broken.png"), "state\n", out);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err, "");
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(Replay, StateFollowsScrollZoomAndViewCommands) {
  const std::string script =
      "\xEF\xBB\xBFsize 100 100\r\n"
      "scroll 50 60   # within the range\n"
      "state\n"
      "command zoom200\n"
      "state\n"
      "command zoom50\n"
      "move 30 40\n"
      "state\n"
      "command guides\n"
      "command rulers\n"
      "command image-light\n"
      "state\n"
      "command image-hide\n"
      "command guides\n"
      "size 800 600\n"
      "state\n"
      "scroll 99999 -5\n"
      "command image-show\n"
      "state\n";
  CommandResult r = Run(Project(), script, dir.File("out.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> s = Lines(r.out);
  ASSERT_EQ(s.size(), 6u) << r.out;
  EXPECT_HAS(s[0], "{\"zoom\":100,\"scroll\":[50,60],\"tool\":\"arrow\",\"baseTool\":\"arrow\",\"toolState\":0,"
                   "\"selected\":-1,\"selPoints\":0,\"modified\":false,\"canUndo\":false,\"canRedo\":false,"
                   "\"imageMode\":2,\"showGuides\":true,\"showRulers\":true,");
  // The window's middle (100, 110) stays in the middle at 200 %.
  EXPECT_HAS(s[1], "\"zoom\":200,\"scroll\":[150,170]");
  // At 50 % the picture (200 x 150) leaves 100 x 50 to scroll; the pointer
  // at (30, 40) is picture pixel (60, 90).
  EXPECT_HAS(s[2], "\"zoom\":50,\"scroll\":[0,5]");
  EXPECT_HAS(s[2], "\"status\":\"X:60 Y:90\"}");
  EXPECT_HAS(s[3], "\"imageMode\":1,\"showGuides\":false,\"showRulers\":false");
  // A window larger than the picture has nothing to scroll.
  EXPECT_HAS(s[4], "\"scroll\":[0,0]");
  EXPECT_HAS(s[4], "\"imageMode\":0,\"showGuides\":true,\"showRulers\":false");
  EXPECT_HAS(s[5], "\"scroll\":[0,0]");
  EXPECT_HAS(s[5], "\"imageMode\":2");
  // Nothing was edited: the project is saved as it was read.
  EXPECT_EQ(ReadFileBytes(dir.File("out.zvf")), ReadFileBytes(dir.File("site.zvf")));
}

TEST_F(Replay, KeysGoThroughTheAcceleratorsWithTheModifiersHeld) {
  const std::string script =
      "size 100 100\n"
      "keypress 2 ctrl\n"  // Ctrl+2: 200 %
      "state\n"
      "keypress 5\n"  // Ctrl was held for that line only
      "state\n"
      "key Ctrl down\n"
      "keypress 5\n"
      "state\n"
      "key ctrl up\n"
      "keypress 1 ctrl alt\n"  // no accelerator for Ctrl+Alt+1
      "state\n";
  CommandResult r = Run(dir.File("pic.png"), script, dir.File("out.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> s = Lines(r.out);
  ASSERT_EQ(s.size(), 4u) << r.out;
  EXPECT_HAS(s[0], "\"zoom\":200,");
  EXPECT_HAS(s[1], "\"zoom\":200,");
  EXPECT_HAS(s[2], "\"zoom\":50,");
  EXPECT_HAS(s[3], "\"zoom\":50,");
}

TEST_F(Replay, ClearAllAsksAndKeepsThePictureAndTheModifiedFlag) {
  const std::string project = Project();
  CommandResult r = Run(project, "answer cancel\ncommand clear-all\nstate\n", dir.File("kept.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_HAS(r.err, "message 61214 (answer cancel): ");
  EXPECT_EQ(ReadFileBytes(dir.File("kept.zvf")), ReadFileBytes(project));

  r = Run(project, "command clear-all\nstate\n", dir.File("cleared.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_HAS(r.err, "message 61214 (answer ok): ");
  EXPECT_HAS(r.out, "\"modified\":false,\"canUndo\":false");
  const std::string dump = Dump(dir.File("cleared.zvf"));
  EXPECT_HAS(dump, "\"picture\":\"" + dir.File("pic.png") + "\",\"size\":[400,300],\"areas\":[]");
  EXPECT_HAS(dump, "\"guides\":[]");
}

TEST_F(Replay, SavesPagesWithThePageOptionsAndReadsStandardInput) {
  WriteFileBytes(dir.File("script.txt"), "state\n");
  CommandResult r = RunCommand({"/bin/sh", "-c",
                                std::string("'") + ZORVA_CLI_PATH + "' replay '" + Project() + "' - '" +
                                    dir.File("page.html") + "' --newline lf < '" + dir.File("script.txt") + "'"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Lines(r.out).size(), 1u);
  const std::string page = ReadFileBytes(dir.File("page.html"));
  EXPECT_HAS(page, "href=\"a.html\"");
  EXPECT_EQ(page.find('\r'), std::string::npos);
}

TEST_F(Replay, DrawnShapesAreSavedAndUndoingThemGivesTheInputBack) {
  const std::string project = Project();
  // At 200 % scrolled to (40, 60) client (80, 140) is picture (60, 100).
  const std::string draw =
      "size 300 300\n"
      "command zoom200\n"
      "scroll 40 60\n"
      "tool rect\n"
      "press 80 140\n"
      "move 150 180\n"
      "release 280 240\n"
      "state\n"
      "tool ellipse\n"
      "key Shift down\n"  // held over the whole drag: a circle
      "press 240 40\n"
      "release 290 70\n"
      "key Shift up\n"
      "state\n";
  CommandResult r = Run(project, draw, dir.File("drawn.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> s = Lines(r.out);
  ASSERT_EQ(s.size(), 2u) << r.out;
  EXPECT_HAS(s[0], "\"tool\":\"rect\",\"baseTool\":\"rect\",\"toolState\":0,\"selected\":0,\"selPoints\":0,"
                   "\"modified\":true,\"canUndo\":true,\"canRedo\":false");
  EXPECT_HAS(s[1], "\"tool\":\"ellipse\"");
  const std::string dump = Dump(dir.File("drawn.zvf"));
  EXPECT_HAS(dump, "{\"type\":0,\"closed\":true,\"points\":[[60,100],[160,150]]");
  EXPECT_HAS(dump, "{\"type\":1,\"closed\":true,\"points\":[[140,50],[165,75]]");

  r = Run(project, draw + "keypress z ctrl\ncommand undo\nstate\ncommand undo\n", dir.File("undone.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  s = Lines(r.out);
  ASSERT_EQ(s.size(), 3u) << r.out;
  EXPECT_HAS(s[2], "\"selected\":-1,\"selPoints\":0,\"modified\":false,\"canUndo\":false,\"canRedo\":true");
  // Equal as a document; the file's bytes keep the last gesture's anchor,
  // which the format stores and undo does not touch.
  EXPECT_EQ(Dump(dir.File("undone.zvf")), Dump(project));
}

TEST_F(Replay, PanelListKeysAndRulersReachTheView) {
  const std::string script =
      "row 0\n"
      "panel url b.html#top\n"  // '#' belongs to the text
      "panel point 1 120,90\n"
      "apply\n"
      "row 1\n"  // the default area
      "panel url d.html\n"
      "apply\n"
      "row 0\n"
      "panel type circle\n"  // refused with a message
      "apply\n"
      "state\n"
      "keypress 3\n"
      "key Space down\n"
      "state\n"
      "key Space up\n"
      "move 10 10\n"
      "state\n"
      "tool arrow\n"
      "ruler top 50 -5\n"
      "move 50 100\n"
      "release 50 100\n";
  CommandResult r = Run(Project(), script, dir.File("out.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_HAS(r.err, "message 61225 (answer ok): ");
  const std::vector<std::string> s = Lines(r.out);
  ASSERT_EQ(s.size(), 3u) << r.out;
  EXPECT_HAS(s[0], "\"selected\":0,\"selPoints\":0,\"modified\":true");
  EXPECT_HAS(s[1], "\"tool\":\"hand\",\"baseTool\":\"polygon\"");
  EXPECT_HAS(s[1], "\"cursor\":\"hand\"");
  EXPECT_HAS(s[2], "\"tool\":\"polygon\",\"baseTool\":\"polygon\"");
  EXPECT_HAS(s[2], "\"cursor\":\"cross\"");
  const std::string dump = Dump(dir.File("out.zvf"));
  EXPECT_HAS(dump, "{\"type\":0,\"closed\":true,\"points\":[[10,20],[120,90]]");
  EXPECT_HAS(dump, "\"href\":\"b.html#top\"");
  EXPECT_HAS(dump, "\"default\":{\"href\":\"d.html\"");
  EXPECT_HAS(dump, "{\"horizontal\":true,\"pos\":100}");
}

TEST_F(Replay, AToolChosenDuringADragEndsTheDragFirst) {
  // The tool box cannot be clicked while the view holds the capture; handing
  // the freehand gesture to the arrow tool once left a freed area listed.
  CommandResult r = Run(dir.File("pic.png"),
                        "tool freehand\npress 18 -4\nrelease 409 298 alt\npress -43 93 ctrl shift\n"
                        "tool arrow\nrelease 0 0\nstate\n",
                        dir.File("out.zvf"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_HAS(r.out, "\"tool\":\"arrow\",\"baseTool\":\"arrow\",\"toolState\":0");
  // The first stroke stays; the second ended with its drag.
  const std::string dump = Dump(dir.File("out.zvf"));
  EXPECT_HAS(dump, "\"areas\":[{\"type\":2,\"closed\":false,\"points\":[[18,-4],[409,298]],");
  EXPECT_EQ(dump.find("\"type\"", dump.find("\"type\"") + 1), std::string::npos) << dump;
}

TEST_F(Replay, OtherAttributesAreSetInThePanelAndWrittenToThePage) {
  const std::string script =
      "row 0\n"
      "panel other  title=\"News #1\" class=a1 \n"  // '#' and the blanks belong to the text
      "apply\n"
      "row 1\n"  // the default area
      "panel other id=bg\n"
      "apply\n"
      "row 0\n"
      "panel other HREF=x\n"  // refused with a message
      "apply\n"
      "state\n";
  CommandResult r = Run(Project(), script, dir.File("page.html"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_HAS(r.err, "message 65013 (answer ok): ");
  EXPECT_HAS(r.out, "\"canUndo\":true");
  const std::string page = ReadFileBytes(dir.File("page.html"));
  EXPECT_HAS(page, "href=\"a.html\" title=\"News #1\" class=a1");
  EXPECT_HAS(page, "nohref id=bg");
  const std::string dump = Dump(dir.File("page.html"));
  EXPECT_HAS(dump, "\"comment\":\"\",\"otherAttrs\":\"title=\\\"News #1\\\" class=a1\",");
  EXPECT_HAS(dump, "\"otherAttrs\":\"id=bg\"}");
}

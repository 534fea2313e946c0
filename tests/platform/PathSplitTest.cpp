#include <gtest/gtest.h>

#include "platform/PathSplit.h"

using namespace zorva;

TEST(PathSplit, WindowsFormSplitsIntoFourParts) {
  PathParts p = SplitPath("C:\\site\\pages\\a.b.html");
  EXPECT_EQ(p.drive, "C:");
  EXPECT_EQ(p.folder, "\\site\\pages\\");
  EXPECT_EQ(p.name, "a.b");
  EXPECT_EQ(p.ext, ".html");
  EXPECT_EQ(JoinPath(p), "C:\\site\\pages\\a.b.html");
  EXPECT_EQ(PathSeparator("C:\\x"), '\\');
}

TEST(PathSplit, PosixFormSplitsWithSlash) {
  PathParts p = SplitPath("/home/u/maps/site.ZVF");
  EXPECT_EQ(p.drive, "");
  EXPECT_EQ(p.folder, "/home/u/maps/");
  EXPECT_EQ(p.name, "site");
  EXPECT_EQ(p.ext, ".ZVF");
  EXPECT_EQ(PathSeparator("/home"), '/');
}

TEST(PathSplit, NoFolderNoExtensionAndDotInFolder) {
  PathParts p = SplitPath("photo");
  EXPECT_EQ(p.folder, "");
  EXPECT_EQ(p.name, "photo");
  EXPECT_EQ(p.ext, "");
  p = SplitPath("/a.d/file");
  EXPECT_EQ(p.folder, "/a.d/");
  EXPECT_EQ(p.ext, "");
  EXPECT_EQ(UpperExtension("x/PICTURE.Png"), ".PNG");
  EXPECT_EQ(UpperExtension("a.jpeg"), ".JPEG");
}

TEST(PathSplit, TrailByteThatLooksLikeBackslashIsNotASeparator) {
  // "表" is 95 5C in CP932: its trail byte is the backslash code.
  const std::string hyo = "\x95\x5C";
  std::string path = "C:\\" + hyo + "\\a.jpg";
  EXPECT_EQ(FolderOf(path), "C:\\" + hyo + "\\");
  EXPECT_EQ(FileNameOf("C:\\dir\\" + hyo + ".jpg"), hyo + ".jpg");
}

TEST(PathSplit, FolderAndFileName) {
  EXPECT_EQ(FolderOf("C:\\web\\index.html"), "C:\\web\\");
  EXPECT_EQ(FolderOf("/web/index.html"), "/web/");
  EXPECT_EQ(FolderOf("index.html"), "");
  EXPECT_EQ(FileNameOf("/web/index.html"), "index.html");
}

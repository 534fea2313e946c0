#include <gtest/gtest.h>

#include "model/ZorvaDoc.h"

namespace {

CString Relative(const CString& file, CString picture) {
  CZorvaDoc::MakeRelativePath(file, picture);
  return picture;
}

CString Absolute(const CString& base, CString path) {
  CZorvaDoc::MakeAbsolutePath(base, path);
  return path;
}

struct PathCase {
  const char* file;
  const char* picture;
  const char* relative;
};

// Each case also resolves back: relative text against the same file gives the picture.
void CheckBothWays(const PathCase* cases, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const PathCase& c = cases[i];
    EXPECT_EQ(Relative(c.file, c.picture), c.relative) << c.file << " " << c.picture;
    EXPECT_EQ(Absolute(c.file, c.relative), c.picture) << c.file << " " << c.relative;
    // Writing twice in a row gives the same text.
    EXPECT_EQ(Relative(c.file, c.relative), c.relative);
  }
}

}  // namespace

TEST(PicturePath, WindowsFormFollowsWholeFolderNames) {
  const PathCase cases[] = {
      {"C:\\site\\pages\\a.html", "C:\\site\\img\\photo.jpg", "../img/photo.jpg"},
      {"C:\\site\\index.html", "C:\\site\\img\\photo.jpg", "img/photo.jpg"},
      {"C:\\site\\index.html", "C:\\site\\photo.jpg", "photo.jpg"},
      {"C:\\site\\index.html", "C:\\sites\\photo.jpg", "../sites/photo.jpg"},
      {"C:\\a\\b\\c\\map.zvf", "C:\\x.png", "../../../x.png"},
      {"C:\\Site\\map.zvf", "C:\\site\\x.png", "../site/x.png"},  // letter case counts
      // A CP932 character whose trail byte is 0x5C ("表") is not a separator.
      {"C:\\\x95\x5C\\map.zvf", "C:\\\x95\x5C\\img\\\x95\x5C.jpg", "img/\x95\x5C.jpg"},
      {"C:\\\x95\x5C\\map.zvf", "C:\\\x95\x5D\\a.jpg", "../\x95\x5D/a.jpg"},
  };
  CheckBothWays(cases, std::size(cases));
  // Drive letters compare without regard to case.
  EXPECT_EQ(Relative("c:\\site\\a.zvf", "C:\\site\\b.jpg"), "b.jpg");
  EXPECT_EQ(Absolute("C:\\site\\pages\\a.html", "photo.jpg"), "C:\\site\\pages\\photo.jpg");
  // Forward slashes in the Windows form are separators as well.
  EXPECT_EQ(Relative("C:/site/pages/a.html", "C:\\site\\img\\p.jpg"), "../img/p.jpg");
  EXPECT_EQ(Absolute("C:\\site\\a.zvf", "img/sub/p.jpg"), "C:\\site\\img\\sub\\p.jpg");
}

TEST(PicturePath, PosixFormFollowsTheSameRules) {
  const PathCase cases[] = {
      {"/srv/site/pages/a.html", "/srv/site/img/photo.jpg", "../img/photo.jpg"},
      {"/srv/site/index.html", "/srv/site/img/photo.jpg", "img/photo.jpg"},
      {"/srv/site/index.html", "/srv/site/photo.jpg", "photo.jpg"},
      {"/srv/site/index.html", "/srv/sites/photo.jpg", "../sites/photo.jpg"},
      {"/map.zvf", "/p.png", "p.png"},
      {"/home/u/map.zvf", "/p.png", "../../p.png"},
      {"/home/\x95\x5C/map.zvf", "/home/\x95\x2F/p.png", "../\x95\x2F/p.png"},
  };
  CheckBothWays(cases, std::size(cases));
  // A backslash is an ordinary file-name character here.
  EXPECT_EQ(Absolute("/srv/a.zvf", "img\\p.jpg"), "/srv/img\\p.jpg");
}

TEST(PicturePath, PicturesNoRelativePathCanReachStayAbsolute) {
  // Another drive, or the other path form.
  EXPECT_EQ(Relative("C:\\maps\\a.zvf", "D:\\img\\a.jpg"), "D:\\img\\a.jpg");
  EXPECT_EQ(Relative("/maps/a.zvf", "D:\\img\\a.jpg"), "D:\\img\\a.jpg");
  EXPECT_EQ(Relative("C:\\maps\\a.zvf", "/img/a.jpg"), "/img/a.jpg");
  // A file name without a rooted folder gives nothing to measure from.
  EXPECT_EQ(Relative("maps/a.zvf", "/img/a.jpg"), "/img/a.jpg");
  EXPECT_EQ(Relative("C:a.zvf", "C:\\img\\a.jpg"), "C:\\img\\a.jpg");
  // Relative and absolute texts are left alone in the other direction too.
  EXPECT_EQ(Relative("C:\\maps\\a.zvf", "img/a.jpg"), "img/a.jpg");
  EXPECT_EQ(Absolute("C:\\maps\\a.zvf", "D:\\img\\a.jpg"), "D:\\img\\a.jpg");
  EXPECT_EQ(Absolute("C:\\maps\\a.zvf", "/img/a.jpg"), "/img/a.jpg");
  EXPECT_EQ(Absolute("/maps/a.zvf", "C:\\img\\a.jpg"), "C:\\img\\a.jpg");
}

TEST(PicturePath, MoreParentStepsThanFoldersStopAtTheRoot) {
  EXPECT_EQ(Absolute("C:\\site\\pages\\a.html", "../../../../x/p.jpg"), "C:\\x\\p.jpg");
  EXPECT_EQ(Absolute("C:\\a.zvf", "../p.jpg"), "C:\\p.jpg");
  EXPECT_EQ(Absolute("/srv/a.zvf", "../../../p.jpg"), "/p.jpg");
  EXPECT_EQ(Absolute("/srv/site/a.zvf", "../p.jpg"), "/srv/p.jpg");
  // Only leading steps count; an inner "../" is kept as written.
  EXPECT_EQ(Absolute("/srv/site/a.zvf", "img/../p.jpg"), "/srv/site/img/../p.jpg");
  // A relative base keeps what it can.
  EXPECT_EQ(Absolute("maps/a.zvf", "../../p.jpg"), "p.jpg");
  EXPECT_EQ(Absolute("a.zvf", "img/p.jpg"), "img/p.jpg");
}

TEST(PicturePath, AbsoluteMeansDriveLetterOrLeadingSlash) {
  EXPECT_TRUE(CZorvaDoc::IsAbsolutePicturePath("C:\\a.jpg"));
  EXPECT_TRUE(CZorvaDoc::IsAbsolutePicturePath("c:a.jpg"));
  EXPECT_TRUE(CZorvaDoc::IsAbsolutePicturePath("/a.jpg"));
  EXPECT_FALSE(CZorvaDoc::IsAbsolutePicturePath("a.jpg"));
  EXPECT_FALSE(CZorvaDoc::IsAbsolutePicturePath("../a.jpg"));
  EXPECT_FALSE(CZorvaDoc::IsAbsolutePicturePath(""));
}

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "platform/ReplacingFile.h"

using namespace zorva;

namespace {

size_t EntriesIn(const std::filesystem::path& dir) {
  size_t n = 0;
  for (auto& e : std::filesystem::directory_iterator(dir)) (void)e, ++n;
  return n;
}

CByteBuffer Bytes(std::string_view s) {
  CByteBuffer b;
  b.Resize(s.size());
  std::copy(s.begin(), s.end(), b.Data());
  return b;
}

}  // namespace

TEST(ReplacingFile, OwnedAndBorrowedPiecesLandInOrderOnlyAtCommit) {
  test::TempDir dir;
  const std::string target = dir.File("page.html");
  test::WriteFileBytes(target, "old");
  // Bigger than one write piece, so the borrowed bytes go out in several.
  const std::string big(9 << 20, 'x');
  CReplacingFile file;
  ASSERT_TRUE(file.Open(target));
  file.Write(Bytes("<head>"));
  file.WriteBorrowed(big);
  file.Write(Bytes("<tail>"));
  file.Write(CByteBuffer());  // nothing to write
  file.WriteBorrowed("");
  EXPECT_EQ(test::ReadFileBytes(target), "old");
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(test::ReadFileBytes(target), "<head>" + big + "<tail>");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(ReplacingFile, AbandoningOrDestroyingKeepsTheTargetAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  const std::string target = dir.File("page.html");
  test::WriteFileBytes(target, "old");
  {
    CReplacingFile file;
    ASSERT_TRUE(file.Open(target));
    file.WriteBorrowed("new");
    file.Abandon();
    int err = 0;
    EXPECT_FALSE(file.Commit(&err));  // nothing left to commit
  }
  {
    CReplacingFile file;
    ASSERT_TRUE(file.Open(target));
    file.Write(Bytes("new"));
  }
  EXPECT_EQ(test::ReadFileBytes(target), "old");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(ReplacingFile, AWriteFailingOnTheWritingThreadFailsTheCommit) {
  test::TempDir dir;
  const std::string target = dir.File("page.html");
  test::WriteFileBytes(target, "old");
  int err = 0;
  bool committed = false;
  const std::string first(600, 'a');
  test::WithFileSizeLimit(1000, [&] {
    CReplacingFile file;
    if (!file.Open(target, &err)) return;
    file.WriteBorrowed(first);
    file.Write(Bytes(std::string(600, 'b')));
    file.Write(Bytes("more after the failure"));
    committed = file.Commit(&err);
  });
  EXPECT_FALSE(committed);
  EXPECT_EQ(err, EFBIG);
  EXPECT_EQ(test::ReadFileBytes(target), "old");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(ReplacingFile, PermissionsOfTheReplacedFileAreKept) {
  test::TempDir dir;
  const std::string target = dir.File("page.html");
  test::WriteFileBytes(target, "old");
  std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
  ASSERT_TRUE(WriteFileReplacing(target, "new"));
  EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>

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

namespace {

bool IsLink(const std::string& p) { return std::filesystem::is_symlink(std::filesystem::symlink_status(p)); }

// Everything written into a pipe or socket until its writer closes it, read
// on a thread of its own. The read end is open before the writer comes, so
// a writer that does not wait for a reader finds one.
class EndReader {
 public:
  explicit EndReader(int fd) : m_fd(fd) {
    m_thread = std::thread([this] {
      char buffer[65536];
      for (;;) {
        pollfd p = {m_fd, POLLIN, 0};
        ::poll(&p, 1, 10000);
        ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) m_bytes.append(buffer, size_t(n));
        else if (n == 0 || errno != EAGAIN) break;
      }
    });
  }
  ~EndReader() { Take(); }
  std::string Take() {
    if (m_thread.joinable()) m_thread.join();
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    return m_bytes;
  }

 private:
  int m_fd;
  std::thread m_thread;
  std::string m_bytes;
};

int ListeningSocket(const std::string& path) {
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 1) != 0) return -1;
  return fd;
}

}  // namespace

TEST(ReplacingFile, ALinkIsFollowedAndTheFileItNamesReplacedInItsOwnFolder) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "site" / "pages");
  std::filesystem::create_directories(dir.path() / "work");
  const std::string real = dir.File("site/pages/index.html");
  test::WriteFileBytes(real, "old");
  std::filesystem::permissions(real, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  // work/page.html -> ../site/pages/index.html (relative to the link's folder);
  // work/abs.html -> work/page.html (absolute, a chain of two);
  // work/new.html -> ../site/pages/new.html (a file still to be made).
  std::filesystem::create_symlink("../site/pages/index.html", dir.path() / "work" / "page.html");
  std::filesystem::create_symlink(dir.path() / "work" / "page.html", dir.path() / "work" / "abs.html");
  std::filesystem::create_symlink("../site/pages/new.html", dir.path() / "work" / "new.html");
  struct Case {
    const char* link;
    const char* file;
  } cases[] = {{"work/page.html", "site/pages/index.html"},
               {"work/abs.html", "site/pages/index.html"},
               {"work/new.html", "site/pages/new.html"}};
  for (const Case& c : cases) {
    const std::string bytes = std::string("written through ") + c.link;
    ASSERT_TRUE(WriteFileReplacing(dir.File(c.link), bytes)) << c.link;
    EXPECT_TRUE(IsLink(dir.File(c.link))) << c.link;
    EXPECT_EQ(test::ReadFileBytes(dir.File(c.file)), bytes) << c.link;
  }
  EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_EQ(EntriesIn(dir.path() / "work"), 3u);           // the links alone
  EXPECT_EQ(EntriesIn(dir.path() / "site" / "pages"), 2u);  // no temporary file left
}

TEST(ReplacingFile, FoldersAndLinkLoopsAreRefusedWithNothingLeftBehind) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "page.html");
  std::filesystem::create_symlink("page.html", dir.path() / "to-folder.html");
  std::filesystem::create_symlink("b.html", dir.path() / "a.html");
  std::filesystem::create_symlink("a.html", dir.path() / "b.html");
  struct Case {
    const char* name;
    int err;
    unsigned message;
  } cases[] = {{"page.html", EISDIR, 61861}, {"page.html/", EISDIR, 61861},
               {"to-folder.html", EISDIR, 61861}, {"a.html", ELOOP, 61859}};
  for (const Case& c : cases) {
    int err = 0;
    EXPECT_FALSE(WriteFileReplacing(dir.File(c.name), "x", &err)) << c.name;
    EXPECT_EQ(err, c.err) << c.name;
    EXPECT_EQ(FileErrorStringId(err), c.message) << c.name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("page.html")));
  EXPECT_EQ(EntriesIn(dir.path() / "page.html"), 0u);
  EXPECT_EQ(EntriesIn(dir.path()), 4u);
}

TEST(ReplacingFile, DevicesPipesAndSocketsAreWrittenIntoNotReplaced) {
  test::TempDir dir;
  // A device, through a link this test made: the node stays and nothing is
  // created beside it.
  std::filesystem::create_symlink("/dev/null", dir.path() / "out.ppm");
  ASSERT_TRUE(WriteFileReplacing(dir.File("out.ppm"), "into the device"));
  struct stat st;
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
  EXPECT_TRUE(IsLink(dir.File("out.ppm")));
  for (auto& e : std::filesystem::directory_iterator("/dev"))
    EXPECT_NE(e.path().filename().string().rfind(".zorva-", 0), 0u) << e.path();

  // A pipe with a reader gets every byte, in owned pieces and borrowed ones.
  const std::string fifo = dir.File("page.html");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string big(3 << 20, 'p');
  {
    EndReader reader(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK));
    CReplacingFile file;
    ASSERT_TRUE(file.Open(fifo));
    file.Write(Bytes("<head>"));
    file.WriteBorrowed(big);
    for (int i = 0; i < 8; ++i) file.Write(Bytes(std::string(100000, char('0' + i))));
    ASSERT_TRUE(file.Commit());
    std::string expected = "<head>" + big;
    for (int i = 0; i < 8; ++i) expected += std::string(100000, char('0' + i));
    EXPECT_EQ(reader.Take(), expected);
  }
  // A pipe nobody reads fails at once instead of waiting for a reader; one
  // whose reader goes away fails instead of ending the program.
  int err = 0;
  EXPECT_FALSE(WriteFileReplacing(fifo, "x", &err));
  EXPECT_EQ(err, ENXIO);
  {
    int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    CReplacingFile file;
    ASSERT_TRUE(file.Open(fifo, &err));
    ::close(readEnd);
    file.WriteBorrowed(big);
    EXPECT_FALSE(file.Commit(&err));
    EXPECT_EQ(err, EPIPE);
  }
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  // A socket: connected to and written into.
  const std::string sock = dir.File("page.zvf");
  int listener = ListeningSocket(sock);
  ASSERT_GE(listener, 0);
  std::string received;
  std::thread server([&] {
    EndReader reader(::accept(listener, nullptr, nullptr));
    received = reader.Take();
  });
  EXPECT_TRUE(WriteFileReplacing(sock, big));
  server.join();
  ::close(listener);
  EXPECT_EQ(received, big);
  ASSERT_EQ(::lstat(sock.c_str(), &st), 0);
  EXPECT_TRUE(S_ISSOCK(st.st_mode));
  EXPECT_EQ(EntriesIn(dir.path()), 3u);
}

namespace {

// What the flush seam saw: for each call, whether it flushed a folder, which
// file or folder that was, and what the target held at that moment.
struct FlushCall {
  bool folder;
  ino_t inode;
  std::string target;
};
struct FlushLog {
  std::string targetPath;
  int fileError = 0, folderError = 0;
  std::vector<FlushCall> calls;
};
FlushLog* g_flushLog = nullptr;

int RecordingFlush(int fd) {
  struct stat st;
  ::fstat(fd, &st);
  const bool folder = S_ISDIR(st.st_mode);
  g_flushLog->calls.push_back({folder, st.st_ino, test::ReadFileBytes(g_flushLog->targetPath)});
  const int e = folder ? g_flushLog->folderError : g_flushLog->fileError;
  if (e) {
    errno = e;
    return -1;
  }
  return ::fsync(fd);
}

ino_t InodeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

TEST(ReplacingFile, TheFileIsFlushedBeforeTheRenameAndItsFolderAfterIt) {
  struct Case {
    int fileError, folderError;
    bool committed;
    size_t calls;
    const char* after;
  } cases[] = {{0, 0, true, 2, "new"}, {EIO, 0, false, 1, "old"}, {0, EIO, false, 2, "new"}};
  for (const Case& c : cases) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "site");
    const std::string real = dir.File("site/page.html");
    test::WriteFileBytes(real, "old");
    std::filesystem::create_symlink("site/page.html", dir.path() / "link.html");
    FlushLog log{real, c.fileError, c.folderError, {}};
    g_flushLog = &log;
    const FlushFunction before = SetFlushFunction(&RecordingFlush);
    int err = 0;
    const bool committed = WriteFileReplacing(dir.File("link.html"), "new", &err);
    SetFlushFunction(before);
    g_flushLog = nullptr;

    EXPECT_EQ(committed, c.committed) << c.fileError << c.folderError;
    EXPECT_EQ(err, committed ? 0 : EIO);
    EXPECT_EQ(test::ReadFileBytes(real), c.after);
    EXPECT_EQ(EntriesIn(dir.path() / "site"), 1u);
    ASSERT_EQ(log.calls.size(), c.calls);
    // The new bytes, before their name replaced the old file.
    EXPECT_FALSE(log.calls[0].folder);
    EXPECT_EQ(log.calls[0].target, "old");
    if (c.calls == 2) {
      // Then the folder the file lies in (not the link's), after the rename.
      EXPECT_TRUE(log.calls[1].folder);
      EXPECT_EQ(log.calls[1].inode, InodeOf(dir.File("site")));
      EXPECT_EQ(log.calls[1].target, "new");
      EXPECT_EQ(log.calls[0].inode, InodeOf(real));
    }
  }
}

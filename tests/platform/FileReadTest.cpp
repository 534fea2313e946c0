// Reading whole files: what is not a small regular file is refused before a
// byte of it is read, and running out of memory is an error, not an abort.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>

#include "TestSupport.h"
#include "platform/FileSystem.h"

using namespace zorva;

namespace {

void MakeSparse(const std::string& path, off_t size) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  ::close(fd);
}

}  // namespace

TEST(ReadWholeFile, WhatIsNotASmallRegularFileIsRefusedAtOnce) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("exact"), std::string(100, 'e'));
  test::WriteFileBytes(dir.File("over"), std::string(101, 'o'));
  test::WriteFileBytes(dir.File("empty"), "");
  std::filesystem::create_symlink("exact", dir.path() / "link");
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero");
  std::filesystem::create_directory(dir.path() / "folder");
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
  int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  std::strncpy(a.sun_path, dir.File("sock").c_str(), sizeof a.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  MakeSparse(dir.File("huge"), off_t(3) << 30);

  struct Case {
    const char* name;
    uint64_t limit;
    int err;  // 0: read
    size_t size;
  } cases[] = {
      {"exact", 100, 0, 100},
      {"link", 100, 0, 100},
      {"empty", 0, 0, 0},
      {"over", 100, kErrFileTooLarge, 0},
      {"huge", INT32_MAX, kErrFileTooLarge, 0},
      {"zero", uint64_t(1) << 30, kErrNotRegularFile, 0},
      {"pipe", uint64_t(1) << 30, kErrNotRegularFile, 0},  // no writer: must not wait for one
      {"sock", uint64_t(1) << 30, ENXIO, 0},
      {"folder", uint64_t(1) << 30, EISDIR, 0},
  };
  for (const Case& c : cases) {
    auto read = std::async(std::launch::async, [&] {
      std::string text = "stale";
      CByteBuffer buffer;
      int errText = 0, errBuffer = 0;
      const bool okText = ReadWholeFile(dir.File(c.name), text, &errText, c.limit);
      const bool okBuffer = ReadWholeFile(dir.File(c.name), buffer, &errBuffer, c.limit);
      EXPECT_EQ(okText, c.err == 0) << c.name;
      EXPECT_EQ(okBuffer, c.err == 0) << c.name;
      EXPECT_EQ(errText, c.err) << c.name;
      EXPECT_EQ(errBuffer, c.err) << c.name;
      EXPECT_EQ(text.size(), c.size) << c.name;
      EXPECT_EQ(buffer.Size(), c.size) << c.name;
    });
    // Refusing looks at the file only: the 3 GB file is never read.
    if (read.wait_for(std::chrono::milliseconds(500)) != std::future_status::ready) {
      ADD_FAILURE() << c.name << " was not refused at once";
      // Release readers waiting for a writer, so the test can end.
      do {
        int w = ::open(dir.File("pipe").c_str(), O_WRONLY | O_NONBLOCK);
        if (w >= 0) ::close(w);
      } while (read.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
    }
    read.get();
    if (c.err) {
      EXPECT_EQ(FileErrorStringId(c.err), c.err == EISDIR ? 61861u : 61862u) << c.name;
    }
  }
  ::close(sock);
}

TEST(ReadWholeFile, RunningOutOfMemoryIsAnErrorNotAnAbort) {
  if (test::kAddressSanitizer) GTEST_SKIP() << "no address-space limit under the address sanitizer";
  test::TempDir dir;
  MakeSparse(dir.File("big"), off_t(600) << 20);
  // In a child under a 256 MB address-space limit: exit 0 when both reads
  // fail with ENOMEM and leave nothing behind; an escaping exception aborts.
  pid_t pid = ::fork();
  if (pid == 0) {
    struct rlimit limit = {256u << 20, 256u << 20};
    if (::setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(3);
    std::string text;
    CByteBuffer buffer;
    int e1 = 0, e2 = 0;
    const bool r1 = ReadWholeFile(dir.File("big"), text, &e1, uint64_t(1) << 30);
    const bool r2 = ReadWholeFile(dir.File("big"), buffer, &e2, uint64_t(1) << 30);
    std::_Exit(!r1 && !r2 && e1 == ENOMEM && e2 == ENOMEM && text.empty() && buffer.Size() == 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

// zorva-cli at the edge of the file system and of memory: inputs that are
// not small regular files, outputs that are links, devices, pipes or folders,
// and commands that run out of memory.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/model/ProjectBytes.h"
#include "TestSupport.h"
#include "platform/StringTable.h"

using namespace zorva::test;

namespace {

class FileEdges : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1); }
  void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

  // Bounded in time always, and in memory where that can be tried, so a
  // reader that waits or grows without end fails here instead of hanging.
  CommandResult Cli(std::vector<std::string> args, size_t addressSpace = 0) {
    args.insert(args.begin(), ZORVA_CLI_PATH);
    if (kAddressSanitizer) addressSpace = 0;
    return RunCommand(args, {addressSpace, 30});
  }
  std::string Message(unsigned id, const std::string& file) { return zorva::FormatString(id, {file}) + "\n"; }
  std::string SettingsFile() {
    std::filesystem::create_directories(m_config.path() / "Ulmora");
    return m_config.File("Ulmora/ZORVA.conf");
  }
  void MakeSparse(const std::string& path, off_t size) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
  }

  TempDir dir;

 private:
  TempDir m_config;
};

}  // namespace

TEST_F(FileEdges, InputsThatAreNotSmallRegularFilesFailWithTheirMessage) {
  WriteFileBytes(dir.File("site.zvf"), RectangleAndGuideFile());
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.html");
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.zvf");
  ASSERT_EQ(::mkfifo(dir.File("pipe.html").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(dir.File("pipe.zvf").c_str(), 0600), 0);
  MakeSparse(dir.File("huge.html"), off_t(3) << 30);
  MakeSparse(dir.File("huge.zvf"), off_t(1) << 31);
  struct Case {
    const char* input;
    unsigned message;
  } cases[] = {{"zero.html", 61862}, {"zero.zvf", 61862}, {"pipe.html", 61862},
               {"pipe.zvf", 61862},  {"huge.html", 61862}, {"huge.zvf", 61862}};
  for (const Case& c : cases) {
    const auto t0 = std::chrono::steady_clock::now();
    CommandResult r = Cli({"dump", dir.File(c.input)}, size_t(1) << 30);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_EQ(r.status, 1) << c.input << " signal " << r.signal;
    EXPECT_EQ(r.err, Message(c.message, dir.File(c.input))) << c.input;
    EXPECT_LT(seconds, 2.0) << c.input;
  }

  // The settings file: a page is not written with settings that could not
  // be read.
  std::filesystem::create_symlink("/dev/zero", SettingsFile());
  CommandResult r = Cli({"convert", dir.File("site.zvf"), dir.File("out.html")}, size_t(1) << 30);
  EXPECT_EQ(r.status, 1) << "signal " << r.signal;
  EXPECT_EQ(r.err, Message(61862, SettingsFile()));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.html")));
  std::filesystem::remove(SettingsFile());
  WriteFileBytes(SettingsFile(), "[Settings]\ndoctype=4\n" + std::string(1 << 20, ';'));
  r = Cli({"convert", dir.File("site.zvf"), dir.File("out.html")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, Message(61862, SettingsFile()));
}

TEST_F(FileEdges, RunningOutOfMemoryGivesTheMessageAndExitStatusOne) {
  if (kAddressSanitizer) GTEST_SKIP() << "no address-space limit under the address sanitizer";
  // Below the readers' limits, above what the command may have.
  MakeSparse(dir.File("big.zvf"), off_t(600) << 20);
  MakeSparse(dir.File("big.html"), off_t(600) << 20);
  for (const char* input : {"big.zvf", "big.html"}) {
    CommandResult r = Cli({"dump", dir.File(input)}, size_t(256) << 20);
    EXPECT_EQ(r.status, 1) << input << " signal " << r.signal;
    EXPECT_EQ(r.err, zorva::LoadStringUtf8(61697) + "\n") << input;
  }
  // Nothing is written when the input cannot be had.
  CommandResult r = Cli({"convert", dir.File("big.zvf"), dir.File("out.zvf")}, size_t(256) << 20);
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.zvf")));
}

TEST_F(FileEdges, EveryCommandWritesThroughLinksIntoDevicesAndPipesAndRefusesFolders) {
  WriteFileBytes(dir.File("site.zvf"), RectangleAndGuideFile());
  // replay shows the picture, so it needs one that is there.
  const std::string picture = std::string(ZORVA_TEST_DATA_DIR) + "/images/png/basn0g02.png";
  WriteFileBytes(dir.File("script.txt"), "");
  std::filesystem::create_directories(dir.path() / "www");
  WriteFileBytes(dir.File("www/real.zvf"), "old");
  std::filesystem::create_symlink("www/real.zvf", dir.path() / "linked.zvf");
  std::filesystem::create_symlink("/dev/null", dir.path() / "null.zvf");
  std::filesystem::create_directories(dir.path() / "folder.zvf");
  ASSERT_EQ(::mkfifo(dir.File("pipe.zvf").c_str(), 0600), 0);

  using Args = std::vector<std::string>;
  const Args commands[] = {{"convert", dir.File("site.zvf")}, {"replay", picture, dir.File("script.txt")},
                          {"decode", picture}};
  for (const Args& command : commands) {
    auto with = [&](const std::string& out) {
      Args a = command;
      a.push_back(out);
      return a;
    };
    // What the command writes into a plain file.
    CommandResult r = Cli(with(dir.File("plain.zvf")));
    ASSERT_EQ(r.status, 0) << command[0] << r.err;
    const std::string bytes = ReadFileBytes(dir.File("plain.zvf"));
    // A link: the file it names is replaced, the link stays.
    WriteFileBytes(dir.File("www/real.zvf"), "old");
    r = Cli(with(dir.File("linked.zvf")));
    EXPECT_EQ(r.status, 0) << command[0] << r.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("linked.zvf")));
    EXPECT_EQ(ReadFileBytes(dir.File("www/real.zvf")), bytes) << command[0];
    // A device through a link this test made.
    r = Cli(with(dir.File("null.zvf")));
    EXPECT_EQ(r.status, 0) << command[0] << r.err;
    // A pipe that someone reads gets the bytes.
    int readEnd = ::open(dir.File("pipe.zvf").c_str(), O_RDONLY | O_NONBLOCK);
    std::string piped;
    std::thread reader([&] {
      char buffer[4096];
      for (;;) {
        pollfd p = {readEnd, POLLIN, 0};
        ::poll(&p, 1, 10000);
        ssize_t n = ::read(readEnd, buffer, sizeof buffer);
        if (n > 0) piped.append(buffer, size_t(n));
        else if (n == 0 || errno != EAGAIN) break;
      }
    });
    r = Cli(with(dir.File("pipe.zvf")));
    reader.join();
    ::close(readEnd);
    EXPECT_EQ(r.status, 0) << command[0] << r.err;
    EXPECT_EQ(piped, bytes) << command[0];
    // Standard output that is a pipe (decode alone takes a name without an
    // extension): the name leads through /proc to a link that names no file.
    if (command[0] == "decode") {
      std::string line = std::string("'") + ZORVA_CLI_PATH + "'";
      for (const std::string& a : with("/dev/stdout")) line += " '" + a + "'";
      r = RunCommand({"/bin/sh", "-c", line + " | cat"});
      EXPECT_EQ(r.out, bytes) << r.err;
    }
    // A folder: refused with a message, nothing left in it.
    r = Cli(with(dir.File("folder.zvf")));
    EXPECT_EQ(r.status, 1) << command[0];
    EXPECT_NE(r.err.find(Message(61861, dir.File("folder.zvf"))), std::string::npos) << command[0] << r.err;
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder.zvf")));
  }
  struct stat st;
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
  ASSERT_EQ(::lstat(dir.File("pipe.zvf").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 8);
}

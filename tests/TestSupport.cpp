#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace zorva::test {

int FakeDocumentHost::MessageBox(unsigned stringId, const std::string& text, unsigned) {
  std::lock_guard<std::mutex> lock(mutex);
  messages.push_back({stringId, text});
  if (messageAnswers.empty()) return IDOK;
  int a = messageAnswers.front();
  messageAnswers.pop_front();
  return a;
}

int FakeDocumentHost::DoChoiceDialog(unsigned dialogId) {
  std::lock_guard<std::mutex> lock(mutex);
  choiceDialogs.push_back(dialogId);
  if (choiceAnswers.empty()) return IDCANCEL;
  int a = choiceAnswers.front();
  choiceAnswers.pop_front();
  return a;
}

int FakeDocumentHost::ChooseImage(const std::vector<ImageChoice>& images) {
  std::lock_guard<std::mutex> lock(mutex);
  std::vector<std::string> lines;
  for (const ImageChoice& image : images) lines.push_back(image.line);
  imageChoices.push_back(lines);
  imageRows = images;
  if (imageAnswers.empty()) return -1;
  int a = imageAnswers.front();
  imageAnswers.pop_front();
  return a;
}

void FakeDocumentHost::BeginProgress(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex);
  progressTexts.push_back(text);
}

void FakeDocumentHost::SetProgress(int percent) {
  std::lock_guard<std::mutex> lock(mutex);
  progressValues.push_back(percent);
}

void FakeDocumentHost::EndProgress() {
  std::lock_guard<std::mutex> lock(mutex);
  ++progressEnds;
}

void FakeDocumentHost::PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  std::lock_guard<std::mutex> lock(mutex);
  posted.push_back({msg, wParam, lParam});
}

int FakeDocumentHost::ShellOpen(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex);
  shellOpened.push_back(path);
  return shellResult;
}

std::vector<FakeDocumentHost::Shown> FakeDocumentHost::Messages() const {
  std::lock_guard<std::mutex> lock(mutex);
  return messages;
}

std::vector<unsigned> FakeDocumentHost::MessageIds() const {
  std::lock_guard<std::mutex> lock(mutex);
  std::vector<unsigned> ids;
  for (const auto& m : messages) ids.push_back(m.id);
  return ids;
}

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    m_path = std::filesystem::temp_directory_path() /
             ("zorva-test-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    if (std::filesystem::create_directory(m_path)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(m_path, ec);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

void WithFileSizeLimit(size_t bytes, const std::function<void()>& body) {
  struct rlimit old;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = bytes;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  body();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}

std::string BuiltTranslationsFolder() {
  const std::string cli = ZORVA_CLI_PATH;
  return cli.substr(0, cli.rfind('/')) + "/translations";
}

CommandResult RunCommand(const std::vector<std::string>& argv, const CommandLimits& limits) {
  CommandResult r;
  TempDir dir;
  std::string outPath = dir.File("out"), errPath = dir.File("err");
  pid_t pid = ::fork();
  if (pid == 0) {
    FILE* o = std::freopen(outPath.c_str(), "wb", stdout);
    FILE* e = std::freopen(errPath.c_str(), "wb", stderr);
    (void)o;
    (void)e;
    if (limits.addressSpace) {
      struct rlimit as = {limits.addressSpace, limits.addressSpace};
      if (::setrlimit(RLIMIT_AS, &as) != 0) std::_Exit(126);
    }
    if (limits.seconds) ::alarm(limits.seconds);  // kept across exec
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    std::_Exit(127);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(pid, &status, 0, &usage);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  r.peakKiB = usage.ru_maxrss;
  r.out = ReadFileBytes(outPath);
  r.err = ReadFileBytes(errPath);
  return r;
}

}  // namespace zorva::test

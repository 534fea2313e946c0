#pragma once
// Shared pieces of the test suites: a scripted document host, areas added to a
// document, temporary folders.
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

#include "model/DocumentHost.h"
#include "model/ZorvaDoc.h"

// `text` holds `part` somewhere; shows the text when it does not.
#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

namespace zorva::test {

// Appends an area of `type` with the given points (at least one) to the
// document, its bounds worked out as the tools leave them.
inline CArea& AddArea(CZorvaDoc& doc, int32_t type, std::initializer_list<CPoint> points, bool closed = true) {
  auto owned = std::make_unique<CArea>();
  CArea* a = owned.get();
  a->m_nType = type;
  a->m_bClosed = closed;
  for (const CPoint& p : points) a->AddPoint(p.x, p.y);
  a->SetBoundPoint(points.begin()->x, points.begin()->y);
  a->RecalcBound();
  doc.m_listArea.push_back(std::move(owned));
  return *a;
}

// Records every message and answers dialogs from queues.
class FakeDocumentHost : public IDocumentHost {
 public:
  struct Shown {
    unsigned id;
    std::string text;
  };

  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;
  int DoChoiceDialog(unsigned dialogId) override;
  int ChooseImage(const std::vector<ImageChoice>& images) override;
  void BeginProgress(const std::string& text) override;
  void SetProgress(int percent) override;
  void EndProgress() override;
  void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  bool HasMainWindow() override { return hasMainWindow; }
  int DisplayColorCount() override { return colorCount; }
  int DisplayBitsPerPixel() override { return bitsPerPixel; }
  void ClearScriptFuncList() override { ++scriptListClears; }
  int ShellOpen(const std::string& path) override;

  // Snapshot accessors (the host may be called from a loader thread).
  std::vector<Shown> Messages() const;
  std::vector<unsigned> MessageIds() const;

  mutable std::mutex mutex;
  std::vector<Shown> messages;
  std::deque<int> messageAnswers;  // empty: IDOK
  std::deque<int> choiceAnswers;   // empty: IDCANCEL
  std::vector<unsigned> choiceDialogs;
  std::deque<int> imageAnswers;    // empty: -1
  std::vector<std::vector<std::string>> imageChoices;  // each dialog's lines
  std::vector<ImageChoice> imageRows;                  // the last dialog's rows
  std::vector<std::string> progressTexts;
  std::vector<int> progressValues;
  int progressEnds = 0;
  struct Posted {
    unsigned msg;
    uintptr_t wParam;
    intptr_t lParam;
  };
  std::vector<Posted> posted;
  bool hasMainWindow = true;
  int colorCount = 1 << 24;
  int bitsPerPixel = 32;
  int scriptListClears = 0;
  std::vector<std::string> shellOpened;
  int shellResult = 42;
};

// A fresh empty folder under the system's temporary folder, removed at destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return m_path; }
  std::string File(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::string& path);

// The translation catalogues the build compiled, beside the built zorva-cli.
std::string BuiltTranslationsFolder();

// Runs `body` with every file limited to `bytes`: a write past the limit fails
// with EFBIG (the signal it would raise is ignored meanwhile).
void WithFileSizeLimit(size_t bytes, const std::function<void()>& body);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Runs a command line and returns its exit status; stdout and stderr are captured.
struct CommandResult {
  int status = -1;      // -1 when a signal ended it
  int signal = 0;       // that signal
  long peakKiB = 0;     // the command's largest resident size
  std::string out;
  std::string err;
};
// Limits set in the child before the command starts; 0 is none.
struct CommandLimits {
  size_t addressSpace = 0;  // bytes (RLIMIT_AS)
  unsigned seconds = 0;     // SIGALRM ends the command then
};
CommandResult RunCommand(const std::vector<std::string>& argv, const CommandLimits& limits = {});

// Built with the address sanitizer, which reserves terabytes of address space
// (so no address-space limit can be tried) and keeps freed memory in
// quarantine (so peak memory is not the program's own).
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

}  // namespace zorva::test

#pragma once
// What the document asks of the program around it. The editor implements this
// with real windows; tests and zorva-cli with scripted answers. Texts are UTF-8.
// Every operation marked "any thread" may be called from a loader worker.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Message box styles and results, as the desktop framework numbers them.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// One of a page's images, as the image-choice dialog offers it. UTF-8.
struct ImageChoice {
  std::string line;     // the one-line form: "Yes" or "No" for a usemap, the source's start
  std::string source;   // the whole source as the page writes it
  bool hasUsemap = false;
  std::string usemap;   // as the page writes it
  std::string file;     // the picture file the source names, for telling its size
};

class IDocumentHost {
 public:
  virtual ~IDocumentHost() = default;

  // A message box. `stringId` is the string number the text came from, or 0
  // for a text of other origin (a library's own message). Any thread.
  virtual int MessageBox(unsigned stringId, const std::string& text, unsigned type) = 0;

  // A modal choice dialog by its dialog number (180, 181, 183) about the
  // area numbered `areaNumber` as the area list shows it (from the top, 1;
  // 0 when the question is about the whole page); returns the button id.
  virtual int DoChoiceDialog(unsigned dialogId, size_t areaNumber) = 0;

  // The image-choice dialog: one row per image; the chosen index or -1.
  virtual int ChooseImage(const std::vector<ImageChoice>& images) = 0;

  // Progress display. Any thread.
  virtual void BeginProgress(const std::string& text) = 0;
  virtual void SetProgress(int percent) = 0;
  virtual void EndProgress() = 0;

  // Posts a message to the editing view. Any thread.
  virtual void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) = 0;

  // Whether the main window exists yet (files named at start-up wait for it).
  virtual bool HasMainWindow() = 0;

  // Colour count and bits per pixel of the display (palette displays have at
  // most 256 colours). Any thread.
  virtual int DisplayColorCount() = 0;
  virtual int DisplayBitsPerPixel() = 0;

  // Empties the property panel's list of script function names.
  virtual void ClearScriptFuncList() = 0;

  // Opens a file (a model path) with the desktop's "open"; returns a shell
  // result code (above 32 is success; 2 file not found; 31 no association).
  // A host that learns only later that nothing took the file says so itself.
  virtual int ShellOpen(const std::string& path) = 0;
};

// A host that answers everything quietly: for documents used without a user.
class CNullDocumentHost : public IDocumentHost {
 public:
  int MessageBox(unsigned, const std::string&, unsigned) override { return IDCANCEL; }
  int DoChoiceDialog(unsigned, size_t) override { return IDCANCEL; }
  int ChooseImage(const std::vector<ImageChoice>&) override { return -1; }
  void BeginProgress(const std::string&) override {}
  void SetProgress(int) override {}
  void EndProgress() override {}
  void PostToView(unsigned, uintptr_t, intptr_t) override {}
  bool HasMainWindow() override { return true; }
  int DisplayColorCount() override { return 1 << 24; }
  int DisplayBitsPerPixel() override { return 32; }
  void ClearScriptFuncList() override {}
  int ShellOpen(const std::string&) override { return 2; }
};

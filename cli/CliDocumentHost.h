#pragma once
// The document host of zorva-cli: messages go to stderr as UTF-8 lines, every
// question is answered with Cancel, nothing is displayed.
#include "model/DocumentHost.h"

namespace zorva::cli {

class CCliDocumentHost : public IDocumentHost {
 public:
  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;
  int DoChoiceDialog(unsigned) override { return IDCANCEL; }
  int ChooseImage(const std::vector<std::string>&) override { return -1; }
  void BeginProgress(const std::string&) override {}
  void SetProgress(int) override {}
  void EndProgress() override {}
  void PostToView(unsigned, uintptr_t, intptr_t) override {}
  bool HasMainWindow() override { return true; }
  int DisplayColorCount() override { return 1 << 24; }
  int DisplayBitsPerPixel() override { return 32; }
  void ClearScriptFuncList() override {}
  int ShellOpen(const std::string&) override { return 2; }

  // How many messages were shown (a failure with none still needs a word).
  int MessageCount() const { return m_messages; }

 private:
  int m_messages = 0;
};

}  // namespace zorva::cli

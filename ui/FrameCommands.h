#pragma once
// The commands the frame handles itself, routed after the view and the
// added targets: the tools, the bar toggles, the preview, the About box and
// help, and the preferences when no other target takes them.
#include <memory>

#include "ui/CommandTarget.h"

class CHelpSystem;
class CMainFrame;
class QWidget;

class CFrameCommands : public ICommandTarget {
 public:
  // Also gives the frame's windows their help topics and the F1 key.
  explicit CFrameCommands(CMainFrame& frame);
  ~CFrameCommands() override;
  bool OnCommand(unsigned id) override;
  bool OnUpdateCommand(unsigned id, CCmdState& state) override;

  CHelpSystem& Help() const { return *m_help; }
  // F1: the topic of the window under the mouse pointer, or of the one with
  // the focus when the pointer is outside the frame.
  void ShowContextHelp();

 private:
  QWidget* Bar(unsigned id) const;
  // What any help request does first: no gesture or mode outlives it.
  void EndModes();

  CMainFrame& m_frame;
  std::unique_ptr<CHelpSystem> m_help;
};

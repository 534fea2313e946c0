#pragma once
// The view's own keys: Tab cycles the selection, digits choose tools, Ctrl+T
// cycles the picture display, arrows nudge the selected area, Escape ends a
// drawing, and the modifiers give temporary tools (Ctrl
// the arrow, Space the hand, both the zoom) or change a running gesture.
class CViewCore;

class CViewKeys {
 public:
  explicit CViewKeys(CViewCore& view) : m_view(view) {}
  // `repeat`: the key was already down (auto-repeat), which is ignored.
  void OnKeyDown(unsigned vk, bool repeat);
  void OnKeyUp(unsigned vk);
  // The view has the keyboard again (after a dialog, a menu, another
  // window): a temporary tool whose key was let go meanwhile ends.
  void OnSetFocus() { EndReleasedTemporaryTool(); }
  // Ends the temporary tool (Ctrl arrow, Space hand) whose key is up now.
  void EndReleasedTemporaryTool();

 private:
  // The temporary tools in one place: the tool that Ctrl and Space held as
  // given make current, with its cursor.
  void FollowTemporaryToolKeys(bool ctrl, bool space);

  CViewCore& m_view;
  // The arrow key whose run of repeats is one undo step; 0 when none is held.
  unsigned m_nudgeKey = 0;
};

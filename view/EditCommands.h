#pragma once
// The Edit menu's commands on the view: undo and redo through the
// document's history, and the view's own clipboard (one area, never the
// desktop's), delete and duplicate.
class CZorvaDoc;
class CViewCore;

class CEditCommands {
 public:
  explicit CEditCommands(CViewCore& view);
  void Undo();
  void Redo();
  void Copy();
  void Cut();
  void Paste();
  // Deletes the selected vertices, or the selected area when none is
  // selected (or too many to leave an outline).
  void Clear();
  void Duplicate();

 private:
  CViewCore& m_view;
  CZorvaDoc& m_doc;
};

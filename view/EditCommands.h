#pragma once
// The Edit menu's commands on the view: undo and redo through the
// document's history, and the view's own clipboard (one area, never the
// desktop's), delete and duplicate.
class CArea;
class CZorvaDoc;
class CViewCore;

// A copy made in the view (paste, duplicate, a drag with Alt) goes without
// an id or a name that an area of the document already has: a page holds
// each once.
void DropTakenIdentifiers(const CZorvaDoc& doc, CArea& copy);

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

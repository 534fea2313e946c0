// Placeholder bodies until undo, clipboard and keys land (removed by them).
#include "view/ZorvaView.h"
void CZorvaView::OnEditUndo() {}
void CZorvaView::OnEditRedo() {}
void CZorvaView::OnEditCopy() {}
void CZorvaView::OnEditCut() {}
void CZorvaView::OnEditPaste() {}
void CZorvaView::OnEditClear() {}
void CZorvaView::OnEditDuplicate() {}
void CZorvaView::OnKeyDown(unsigned, bool) {}
void CZorvaView::OnKeyUp(unsigned) {}
void CZorvaView::SetToolCursor(int, int) {}
void CZorvaView::OnSetCursor() {}

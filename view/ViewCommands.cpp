// The commands the view handles and their enabled and checked states.
#include "model/ZorvaDoc.h"
#include "view/ZorvaView.h"

bool CZorvaView::OnUpdateCommand(unsigned id, CCmdState& state) {
  state = CCmdState{};
  switch (id) {
    case ID_VIEW_ZOOM50: state.checked = m_coords.m_zoom == kZoom50; return true;
    case ID_VIEW_ZOOM100: state.checked = m_coords.m_zoom == kZoom100; return true;
    case ID_VIEW_ZOOM200: state.checked = m_coords.m_zoom == kZoom200; return true;
    case ID_VIEW_RULER: state.checked = m_bShowRulers; return true;
    case ID_VIEW_GUIDE: state.checked = m_canvas.m_bShowGuides; return true;
    case ID_IMAGE_SHOW: state.checked = m_canvas.m_imageMode == ImageMode::Show; return true;
    case ID_IMAGE_LIGHT: state.checked = m_canvas.m_imageMode == ImageMode::Light; return true;
    case ID_IMAGE_HIDE: state.checked = m_canvas.m_imageMode == ImageMode::Hidden; return true;
    case ID_EDIT_UNDO: state.enabled = m_doc.CanUndo(); return true;
    case ID_EDIT_REDO: state.enabled = m_doc.CanRedo(); return true;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_CLEAR:
    case ID_EDIT_DUPLICATE: state.enabled = m_doc.m_pSelArea != nullptr; return true;
    case ID_EDIT_PASTE: state.enabled = m_clipboard.IsFull(); return true;
    default: return false;
  }
}

bool CZorvaView::OnCommand(unsigned id) {
  CCmdState state;
  if (!OnUpdateCommand(id, state)) return false;
  if (!state.enabled) return true;  // a disabled command is ignored
  CancelGesture();
  switch (id) {
    case ID_VIEW_ZOOM50: SetZoomKeepCentre(kZoom50); break;
    case ID_VIEW_ZOOM100: SetZoomKeepCentre(kZoom100); break;
    case ID_VIEW_ZOOM200: SetZoomKeepCentre(kZoom200); break;
    case ID_VIEW_RULER:
      m_bShowRulers = !m_bShowRulers;
      m_frame.ShowRulers(m_bShowRulers);
      break;
    case ID_VIEW_GUIDE:
      m_canvas.m_bShowGuides = !m_canvas.m_bShowGuides;
      m_canvas.Invalidate(true);
      m_canvas.UpdateWindow();
      break;
    case ID_IMAGE_SHOW:
    case ID_IMAGE_LIGHT:
    case ID_IMAGE_HIDE:
      m_canvas.m_imageMode = id == ID_IMAGE_SHOW    ? ImageMode::Show
                    : id == ID_IMAGE_LIGHT ? ImageMode::Light
                                           : ImageMode::Hidden;
      m_canvas.Invalidate(true);
      break;
    case ID_EDIT_UNDO: OnEditUndo(); break;
    case ID_EDIT_REDO: OnEditRedo(); break;
    case ID_EDIT_CUT: OnEditCut(); break;
    case ID_EDIT_COPY: OnEditCopy(); break;
    case ID_EDIT_PASTE: OnEditPaste(); break;
    case ID_EDIT_CLEAR: OnEditClear(); break;
    case ID_EDIT_DUPLICATE: OnEditDuplicate(); break;
    default: break;
  }
  return true;
}

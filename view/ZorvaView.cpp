// The editing view assembled: its pieces made and wired, the pointer events
// handed to the tool controller, the document's updates, the commands it
// handles.
#include "view/ZorvaView.h"

#include <climits>

#include "model/ZorvaDoc.h"
#include "view/AreaArrange.h"
#include "view/EditCommands.h"
#include "view/GuideTool.h"
#include "view/ToolController.h"
#include "view/ViewKeys.h"
#include "view/ViewPanel.h"

// The pieces see the view's core only; each reaches another through the
// core's pointers, and the tools through the core's two hooks.
CZorvaView::CZorvaView(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel)
    : CViewCore(doc, host, frame, panel),
      m_panelOwned(std::make_unique<CViewPanel>(*this)),
      m_editOwned(std::make_unique<CEditCommands>(*this)),
      m_keysOwned(std::make_unique<CViewKeys>(*this)),
      m_guideToolOwned(std::make_unique<CGuideTool>(*this)),
      m_tools(std::make_unique<CToolController>(*this)) {
  m_panel = m_panelOwned.get();
  m_edit = m_editOwned.get();
  m_keys = m_keysOwned.get();
  m_guideTool = m_guideToolOwned.get();
  m_toolOf = [this](ToolId id) { return m_tools->Tool(id); };
  m_cancelGesture = [this] { m_tools->CancelGesture(); };
  m_syncPanel = [this] { m_panel->Sync(); };
}

CZorvaView::~CZorvaView() = default;

CTool* CZorvaView::Tool(ToolId id) const { return m_tools->Tool(id); }
void CZorvaView::OnLButtonDown(unsigned flags, const CPoint& client) {
  const CEventScope event(*this);
  m_tools->OnLButtonDown(flags, client);
}

void CZorvaView::OnMouseMove(unsigned flags, const CPoint& client) {
  const CEventScope event(*this, false);
  m_tools->OnMouseMove(flags, client);
}

void CZorvaView::OnLButtonUp(unsigned flags, const CPoint& client) {
  const CEventScope event(*this);
  m_tools->OnLButtonUp(flags, client);
}

void CZorvaView::OnRButtonDown(unsigned flags, const CPoint& client) {
  const CEventScope event(*this);
  m_tools->OnRButtonDown(flags, client);
}

void CZorvaView::OnUpdate() {
  const CEventScope event(*this);
  // Whatever the document lost, a drawing step may not go on with it.
  if (!m_doc.m_pSelArea && !HasCapture()) m_toolState.Reset();
  UpdateScrollSizes();
  m_canvas.Invalidate(true);
  GiveRulersOffsets();
  m_doc.Tell([](IDocumentListener& l) { l.DocumentReset(); });
}

void CZorvaView::OnLoadNotify(uintptr_t wParam, intptr_t lParam) {
  if (wParam == 0) {
    if (lParam > 0 && uintmax_t(lParam) <= UINT_MAX)
      m_doc.ReportMessage(unsigned(lParam), {}, MB_OK | MB_ICONEXCLAMATION);
  } else if (lParam == 0) {
    OnUpdate();
  }
}

// The commands the view handles and their enabled and checked states.
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
    case ID_AREA_TO_FRONT:
    case ID_AREA_FORWARD:
    case ID_AREA_BACKWARD:
    case ID_AREA_TO_BACK: state.enabled = CanMoveInOrder(*this, id); return true;
    default: return false;
  }
}

bool CZorvaView::OnCommand(unsigned id) {
  CCmdState state;
  if (!OnUpdateCommand(id, state)) return false;
  if (!state.enabled) return true;  // a disabled command is ignored
  const CEventScope event(*this);
  CancelGesture();
  // The next pointer move shows the segment again if placing goes on.
  m_canvas.SetRubberBand(false);
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
    case ID_EDIT_UNDO: m_edit->Undo(); break;
    case ID_EDIT_REDO: m_edit->Redo(); break;
    case ID_EDIT_CUT: m_edit->Cut(); break;
    case ID_EDIT_COPY: m_edit->Copy(); break;
    case ID_EDIT_PASTE: m_edit->Paste(); break;
    case ID_EDIT_CLEAR: m_edit->Clear(); break;
    case ID_EDIT_DUPLICATE: m_edit->Duplicate(); break;
    case ID_AREA_TO_FRONT:
    case ID_AREA_FORWARD:
    case ID_AREA_BACKWARD:
    case ID_AREA_TO_BACK: MoveInOrder(*this, id); break;
    default: break;
  }
  return true;
}

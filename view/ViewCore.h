#pragma once
// The editing view's core: its state and what it does without its pieces
// (zoom and scrolling, the cursor, the temporary hand, the rulers' presses).
// The pieces (ViewPanel, EditCommands, ViewKeys, GuideTool, the tool
// controller and the tools) work on this core; CZorvaView (ZorvaView.h)
// makes them and wires them together, so no piece depends on another
// through the view.
#include <cstdint>
#include <functional>
#include <memory>

#include "image/RegionTrace.h"
#include "model/Area.h"
#include "model/Zoom.h"
#include "platform/Types.h"
#include "view/CommandIds.h"
#include "view/ToolSelection.h"
#include "view/ToolState.h"
#include "view/ViewCanvas.h"
#include "view/ViewClipboard.h"
#include "view/ViewCoords.h"
#include "view/ViewHost.h"

class CEditCommands;
class CGuideTool;
class CTool;
class CViewKeys;
class CViewPanel;
class CZorvaDoc;

// Room the rulers take at the view's left and top edges.
constexpr int32_t kRulerSize = 16;

class CViewCore {
 public:
  // `panel` may be null (no property panel).
  CViewCore(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel);
  virtual ~CViewCore();
  CViewCore(const CViewCore&) = delete;
  CViewCore& operator=(const CViewCore&) = delete;

  CZorvaDoc& GetDocument() { return m_doc; }

  // --- zoom and scrolling (the conversions: m_coords) ---
  void UpdateScrollSizes();
  void ZoomAndCentre(const CPoint& picture);
  // The host's client size changed.
  void OnSize();
  // The host's scroll position changed (by a scroll bar or ScrollToPosition).
  void OnScrolled();
  // Scrolls by window pixels, as the hand tool does.
  void ScrollBy(int32_t dx, int32_t dy);
  // Zoom commands of the menu and the zoom box: centre on the window's middle.
  void SetZoomKeepCentre(Zoom zoom);
  // The zoom tool's step at the picture point `picture`.
  void ZoomToolStep(const CPoint& picture, bool alt);

  // --- the tools: current and chosen (a temporary tool changes only the
  // current one); the frame hears of every change (IViewFrame::ToolChanged) ---
  ToolId CurrentTool() const { return m_tools.GetCurrentTool(); }
  const CToolSelection& Tools() const { return m_tools; }
  // `code` ID_TOOL_NONE ends a temporary tool: the chosen tool comes back.
  void SetCurrentTool(ToolId code);
  // The digit keys: chooses `code`, and makes it current unless a temporary
  // tool is active.
  void SelectTool(ToolId code);
  // A tool box button or command: current and chosen alike.
  void ChooseTool(ToolId code);

  // --- the pointer capture the view holds (the host's, as the view took it) ---
  void Capture();
  void ReleaseCapture();
  bool HasCapture() const { return m_bCaptured; }

  // --- rulers, cursor, the temporary hand ---
  // A left press on a ruler (the frame's ruler window reports it).
  void OnRulerPress(bool vertical);
  // The frame's rulers, asked for until they exist; they never move.
  CRuler* RulerOf(bool vertical) { return Ruler(vertical); }
  // The ruler a press went down on and that is still held (the top one
  // first), or null.
  CRuler* PressedRuler();
  void SetToolCursor(ToolId tool, const CToolState& state);
  // The host asks which cursor to show.
  void OnSetCursor();
  void OnToolHand(int32_t x, int32_t y, ToolPhase phase);

  // Ends a running gesture as a right press would, so a command that arrives
  // meanwhile never meets a working copy or a half-made guide.
  void CancelGesture() {
    if (m_cancelGesture) m_cancelGesture();
  }

  // An event of the window being handled: a pointer event, a key, a
  // command, the panel's or the area list's report. While one lasts, the
  // drawing to show is gathered; when the outermost ends, the host is told
  // once, and the property panel and the area list's selection follow
  // whatever changed (only where they differ from what they show). Pointer
  // moves pass `panelToo` false: a gesture's working copy is no change the
  // panel shows until it lands in the document.
  class CEventScope {
   public:
    explicit CEventScope(CViewCore& view, bool panelToo = true);
    ~CEventScope();
    CEventScope(const CEventScope&) = delete;
    CEventScope& operator=(const CEventScope&) = delete;

   private:
    CViewCore& m_view;
  };
  // Something the panel or the list shows changed: they follow when the
  // present event ends, or at once outside of one.
  void PanelTouched();

  // --- state ---
  bool m_bShowRulers = true;
  CToolState m_toolState;
  bool m_bDragStarted = false;
  CViewClipboard m_clipboard;

  // -- arrow, hand and guide tools --
  // The temporary hand (Space held) and where its drag last scrolled from.
  bool m_bHandTool = false;
  CPoint m_ptHandLast;
  // -- creation tools --
  // The shape a creation gesture is making, the view's while it is selected
  // but not yet in the document (null otherwise), so that no other gesture
  // adopts it.
  std::unique_ptr<CArea> m_pNewArea;
  // The area the new shape's press deselected: the undo of its addition
  // selects it again. The document owns it.
  CArea* m_pPrevSel = nullptr;
  // The polygon tool's copy of the polygon before the vertex being placed,
  // for the step's change record.
  std::unique_ptr<CArea> m_pStepBackup;
  // -- the trace tool --
  // The tolerance a press starts from and the simplification (the frame
  // loads and stores them with the settings).
  zorva::TraceSettings m_traceSettings;

  CZorvaDoc& m_doc;
  IViewHost& m_host;
  IViewFrame& m_frame;
  IPropertyPanel* m_pPropertyPanel;
  // Coordinates and zoom, then the back buffer and its drawing.
  CViewCoords m_coords;
  CViewCanvas m_canvas;

  // The pieces, owned by CZorvaView.
  // The exchange with the property panel and the area list.
  CViewPanel* m_panel = nullptr;
  // The Edit menu: undo, redo, the clipboard, delete, duplicate.
  CEditCommands* m_edit = nullptr;
  // The view's own keys and the temporary tools.
  CViewKeys* m_keys = nullptr;
  // Guides pulled out of the rulers and dragged with the arrow.
  CGuideTool* m_guideTool = nullptr;

 protected:
  CRuler* Ruler(bool vertical);
  void GiveRulersOffsets();
  // What the tool controller, above the core, does for it: the pointer tool
  // of a command id, and ending a gesture.
  std::function<CTool*(ToolId)> m_toolOf;
  std::function<void()> m_cancelGesture;
  // Brings the panel and the list's selection up to date (CViewPanel::Sync).
  std::function<void()> m_syncPanel;

 private:
  void TellTools(const CToolSelection& before);
  // The window's cursor, set only when it changes (the view alone sets it).
  void ShowCursor(ViewCursor cursor);

  int m_nEventDepth = 0;
  bool m_bPanelDirty = false;
  CToolSelection m_tools;
  bool m_bCaptured = false;
  ViewCursor m_cursorShown = ViewCursor::Arrow;
  bool m_bCursorShown = false;
  CRuler* m_pRulers[2] = {nullptr, nullptr};
};

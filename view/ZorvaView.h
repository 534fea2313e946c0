#pragma once
// The editing view: zoom and scrolling, the back buffer and its drawing, the
// mouse routed to the tools, undo and redo, the view's own clipboard, keys,
// the property panel exchange, rulers and guides. No display is needed: the
// view reaches its window, the frame and the property panel only through the
// interfaces of ViewHost.h.
//
// The view owns its pieces, each a class in the file of its name (see
// docs/architecture.md): CViewCoords, CViewCanvas, CViewPanel, CEditCommands,
// CViewKeys, CGuideTool and CToolController with the tools. ZorvaView.cpp
// holds what is the view's own: zoom and scrolling, the document's updates,
// the command table, the cursor, the temporary hand and the ruler presses.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "model/Area.h"
#include "model/OwnedList.h"
#include "model/Zoom.h"
#include "platform/DC.h"
#include "platform/Types.h"
#include "view/CommandIds.h"
#include "view/PaintPass.h"
#include "view/ViewCanvas.h"
#include "view/ViewClipboard.h"
#include "view/ViewCoords.h"
#include "view/ViewHost.h"

class CGuide;
class CTool;
class CToolController;
class CEditCommands;
class CGuideTool;
class CViewKeys;
class CViewPanel;
class CZorvaDoc;

// Phases of a hand, guide or ruler gesture.
enum class ToolPhase { Press, Move, Release, Cancel };

// Bits and values of the tool state word.
constexpr int POLY_INSERT = 8;
constexpr int DRAG_POINT = 0x100;
constexpr int DRAG_MOVE = 0x200;
constexpr int DRAG_GUIDE = 0x204;
constexpr int DRAG_COPY = 0x1000;

// Room the rulers take at the view's left and top edges.
constexpr int32_t kRulerSize = 16;

// Enabled and checked state of a command, as its update handler sets it.
struct CCmdState {
  bool enabled = true;
  bool checked = false;
};

class CZorvaView {
 public:
  // `panel` may be null (no property panel).
  CZorvaView(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel);
  ~CZorvaView();
  CZorvaView(const CZorvaView&) = delete;
  CZorvaView& operator=(const CZorvaView&) = delete;

  CZorvaDoc& GetDocument() { return m_doc; }

  // --- zoom and scrolling (the conversions: m_coords) ---
  void UpdateScrollSizes();
  void ZoomAndCentre(const CPoint& picture);
  // The document changed as a whole (opened, cleared, picture decoded).
  void OnUpdate();
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

  // --- mouse (client coordinates) ---
  // Routed by the tool controller (ToolController.h).
  void OnLButtonDown(unsigned flags, const CPoint& client);
  void OnMouseMove(unsigned flags, const CPoint& client);
  void OnLButtonUp(unsigned flags, const CPoint& client);
  void OnRButtonDown(unsigned flags, const CPoint& client);
  // A left press on a ruler (the frame's ruler window reports it).
  void OnRulerPress(bool vertical);
  // The ruler a press went down on and that is still held (the top one
  // first), or null.
  CRuler* PressedRuler();
  // Ends a running gesture as a right press would, so a command that arrives
  // meanwhile never meets a working copy or a half-made guide.
  void CancelGesture();

  // --- commands ---
  // Runs `id` when the view handles it and it is enabled; false when not the view's.
  bool OnCommand(unsigned id);
  // Fills the state of `id`; false when not the view's.
  bool OnUpdateCommand(unsigned id, CCmdState& state);

  // --- cursor (the keys: m_keys) ---
  void SetToolCursor(int tool, int state);
  // The host asks which cursor to show.
  void OnSetCursor();

  // --- the document and the picture loader ---
  // UM_LOADNOTIFY from a picture loader.
  void OnLoadNotify(uintptr_t wParam, intptr_t lParam);

  // --- tools ---
  // The pointer tool of command id `id` (Tool.h, ToolList.h), null for none.
  CTool* Tool(int id) const;
  void OnToolHand(int32_t x, int32_t y, ToolPhase phase);


  // --- state ---
  bool m_bShowRulers = true;
  int m_nToolState = 0;
  bool m_bDragStarted = false;
  CViewClipboard m_clipboard;

  // Members added by the files of one job go under that job's line.
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
  // -- undo, clipboard, keys --
  // -- panel, area list --

  CZorvaDoc& m_doc;
  IViewHost& m_host;
  IViewFrame& m_frame;
  IPropertyPanel* m_pPropertyPanel;
  // Coordinates and zoom, then the back buffer and its drawing.
  CViewCoords m_coords;
  CViewCanvas m_canvas;
  // The exchange with the property panel and the area list.
  std::unique_ptr<CViewPanel> m_panel;
  // The Edit menu: undo, redo, the clipboard, delete, duplicate.
  std::unique_ptr<CEditCommands> m_edit;
  // The view's own keys and the temporary tools.
  std::unique_ptr<CViewKeys> m_keys;
  // Guides pulled out of the rulers and dragged with the arrow.
  std::unique_ptr<CGuideTool> m_guideTool;

 private:
  CRuler* Ruler(bool vertical) { return m_frame.GetRuler(vertical); }
  void GiveRulersOffsets();
  // The tools and the routing of each gesture to its owner.
  std::unique_ptr<CToolController> m_tools;
};

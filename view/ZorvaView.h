#pragma once
// The editing view: zoom and scrolling, the back buffer and its drawing, the
// mouse routed to the tools, undo and redo, the view's own clipboard, keys,
// the property panel exchange, rulers and guides. No display is needed: the
// view reaches its window, the frame and the property panel only through the
// interfaces of ViewHost.h.
//
// The members are spread over files by job:
//   ViewCoords.h     CViewCoords: the zoom and the conversions between
//                    picture and window pixels
//   ViewCanvas.h     CViewCanvas: back buffer, invalidation, incremental and
//                    exclusive-or drawing
//   ViewScroll.cpp   scroll sizes, zoom, centring, scrolling
//   ToolController.cpp  the tools and the routing of a gesture to its owner
//   ViewCommands.cpp command dispatch and command states
//   Undo.cpp, Clipboard.cpp, EditSelection.cpp   undo/redo, the edit commands
//   ViewClipboard.h  the held copy (CViewClipboard)
//   Keys.cpp, Cursor.cpp                         keys, temporary tools, cursors
//   ViewPanel.h      CViewPanel: the property panel exchange (with
//                    PanelFields, PanelPoints, PanelText) and the area list's clicks
//   AreaList.cpp     the area list's rows
//   Tool.h, ToolList.h, ToolRegistry.cpp           the pointer tools as objects
//   ArrowTool.cpp, ShapeTool.cpp (RectTool.cpp, EllipseTool.cpp, LineTool.cpp),
//   PolygonTool.cpp, FreehandTool.cpp, ZoomTool.cpp  one tool a file
//   ToolHelpers.cpp, CreationHelpers.cpp, HandTool.cpp, GuideTool.cpp
//                    what tools share, the hand and the guides
#include <cstdint>
#include <list>
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
  void OnEditUndo();
  void OnEditRedo();
  void OnEditCopy();
  void OnEditCut();
  void OnEditPaste();
  void OnEditClear();
  void OnEditDuplicate();

  // --- keys and cursor ---
  // `repeat`: the key was already down (auto-repeat), which is ignored.
  void OnKeyDown(unsigned vk, bool repeat);
  void OnKeyUp(unsigned vk);
  // The view has the keyboard again (after a dialog, a menu, another
  // window): a temporary tool whose key was let go meanwhile ends.
  void OnSetFocus();
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
  void OnToolGuide(unsigned flags, int32_t x, int32_t y, ToolPhase phase);
  void OnRulerGuide(bool fromHorizontal, int32_t x, int32_t y, ToolPhase phase);

  // Shared helpers of the pointer tools (picture pixels).
  static void Constrain45(int32_t ax, int32_t ay, CPoint& point);
  static void MakeSquare(int32_t ax, int32_t ay, CPoint& point);
  static bool IsNearPoint(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static bool SnapPointToGuides(const COwnedList<CGuide>& guides, CPoint& point);
  static bool SnapRectToGuides(const COwnedList<CGuide>& guides, CRect& rect);

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
  // The moving copy of a guide dragged with the arrow, owned by the view
  // until the release.
  std::unique_ptr<CGuide> m_pWorkGuide;
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

 private:
  // Ends the temporary tool (Ctrl arrow, Space hand) whose key is up now.
  void EndReleasedTemporaryTool();
  // The temporary tools in one place: the tool that Ctrl and Space held as
  // given make current, with its cursor.
  void FollowTemporaryToolKeys(bool ctrl, bool space);
  CRuler* Ruler(bool vertical) { return m_frame.GetRuler(vertical); }
  void GiveRulersOffsets();
  // Calls the handler of `tool` for a press, move, release or cancel.
  friend class CToolController;  // ends a released temporary tool at a press
  std::unique_ptr<CToolController> m_tools;

};

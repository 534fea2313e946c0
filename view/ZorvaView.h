#pragma once
// The editing view: zoom and scrolling, the back buffer and its drawing, the
// mouse routed to the tools, undo and redo, the view's own clipboard, keys,
// the property panel exchange, rulers and guides. No display is needed: the
// view reaches its window, the frame and the property panel only through the
// interfaces of ViewHost.h.
//
// The view is its core (ViewCore.h: the state, zoom and scrolling, the
// cursor, the temporary hand) and its pieces, each a class in the file of
// its name (see docs/architecture.md): CViewCoords, CViewCanvas, CViewPanel,
// CEditCommands, CViewKeys, CGuideTool and CToolController with the tools.
// CZorvaView makes the pieces and wires them; it takes the pointer events,
// the document's updates and the commands.
#include <cstdint>
#include <memory>

#include "view/ViewCore.h"

class CToolController;

// Enabled and checked state of a command, as its update handler sets it.
struct CCmdState {
  bool enabled = true;
  bool checked = false;
};

class CZorvaView : public CViewCore {
 public:
  // `panel` may be null (no property panel).
  CZorvaView(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel);
  ~CZorvaView() override;

  // The document changed as a whole (opened, cleared, picture decoded).
  void OnUpdate();
  // UM_LOADNOTIFY from a picture loader.
  void OnLoadNotify(uintptr_t wParam, intptr_t lParam);

  // --- mouse (client coordinates), routed by the tool controller ---
  void OnLButtonDown(unsigned flags, const CPoint& client);
  void OnMouseMove(unsigned flags, const CPoint& client);
  void OnLButtonUp(unsigned flags, const CPoint& client);
  void OnRButtonDown(unsigned flags, const CPoint& client);
  // The pointer tool of command id `id` (Tool.h, ToolList.h), null for none.
  CTool* Tool(ToolId id) const;

  // --- commands ---
  // Runs `id` when the view handles it and it is enabled; false when not the view's.
  bool OnCommand(unsigned id);
  // Fills the state of `id`; false when not the view's.
  bool OnUpdateCommand(unsigned id, CCmdState& state);

 private:
  std::unique_ptr<CViewPanel> m_panelOwned;
  std::unique_ptr<CEditCommands> m_editOwned;
  std::unique_ptr<CViewKeys> m_keysOwned;
  std::unique_ptr<CGuideTool> m_guideToolOwned;
  // The tools and the routing of each gesture to its owner.
  std::unique_ptr<CToolController> m_tools;
};

#pragma once
// The tool controller: the view's pointer tools (view/ToolList.h) and the
// routing of a gesture's pointer events, in client coordinates, to whoever
// owns the gesture.
#include <memory>
#include <unordered_map>

#include "platform/Types.h"
#include "view/CommandIds.h"

class CTool;
class CViewCore;

class CToolController {
 public:
  explicit CToolController(CViewCore& view);
  ~CToolController();
  CToolController(const CToolController&) = delete;
  CToolController& operator=(const CToolController&) = delete;

  // The pointer tool of command id `id`, null for none.
  CTool* Tool(ToolId id) const;

  // Who a gesture's pointer events go to, in this order: the hand (Space),
  // a guide being pulled out of a held ruler (`buttonHeld`), a selected
  // guide, the current tool over a selected area.
  enum class GestureOwner { Hand, Ruler, Guide, AreaTool, None };
  GestureOwner OwnerOfGesture(bool buttonHeld);

  void OnLButtonDown(unsigned flags, const CPoint& client);
  void OnMouseMove(unsigned flags, const CPoint& client);
  void OnLButtonUp(unsigned flags, const CPoint& client);
  void OnRButtonDown(unsigned flags, const CPoint& client);
  // Ends a running gesture as a right press would.
  void CancelGesture();

 private:
  // Shows or hides the segment that follows the pointer from a polygon's
  // last vertex while the next one is to be placed.
  void FollowRubberBand(bool holding, CPoint p);
  CViewCore& m_view;
  std::unordered_map<ToolId, std::unique_ptr<CTool>> m_tools;
};

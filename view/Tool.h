#pragma once
// A pointer tool of the tool box: what the press, the moves and the release
// of its gesture do, what a right press or an interrupting command takes
// back, and its cursor. Points are picture pixels; `flags` the MK_ bits.
// The view routes a gesture to the current tool only while no hand, ruler
// or guide gesture owns the pointer (CToolController::OwnerOfGesture).
#include <memory>
#include <utility>
#include <vector>

#include "platform/Types.h"
#include "view/CommandIds.h"
#include "view/ToolState.h"
#include "view/ViewHost.h"

class CViewCore;

class CTool {
 public:
  explicit CTool(CViewCore& view) : m_view(view) {}
  virtual ~CTool() = default;
  CTool(const CTool&) = delete;
  CTool& operator=(const CTool&) = delete;

  virtual void Press(unsigned flags, CPoint p) = 0;
  virtual void Move(unsigned flags, CPoint p) = 0;
  virtual void Release(unsigned flags, CPoint p) = 0;
  // Takes the running gesture back, as a right press does.
  virtual void Cancel(CPoint p) = 0;
  // The press holds the mouse until the release.
  virtual bool CapturesOnPress() const { return true; }
  // A right press takes the gesture back (`holding`: the gesture holds the
  // mouse).
  virtual bool RightPressCancels(bool holding, const CToolState& /*state*/) const { return holding; }
  // What a right press does when it cancels nothing.
  virtual void RightPressIdle() {}
  // A release wherever the gesture went, for tools that act on clicks.
  virtual void Click(unsigned /*flags*/, CPoint /*p*/) {}
  virtual ViewCursor Cursor(bool alt, const CToolState& state) const = 0;

 protected:
  CViewCore& m_view;
};

// Every tool of the tool table (ToolTable.h) that has a class, with its command id.
std::vector<std::pair<ToolId, std::unique_ptr<CTool>>> MakeTools(CViewCore& view);

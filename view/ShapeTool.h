#pragma once
// What the rectangle, ellipse and line tools share: one drag from corner to
// corner (or end to end), shown as an exclusive-or image until the release
// adds the shape on top of all others.
#include <cstdint>

#include "view/Tool.h"

class CArea;

class CShapeTool : public CTool {
 public:
  struct Shape {
    int32_t type;
    bool closed;  // at the end of the drag
    bool line;    // Shift bends to 45 degrees and the anchor is the press point
  };

  CShapeTool(CViewCore& view, Shape shape) : CTool(view), m_shape(shape) {}
  void Press(unsigned flags, CPoint p) override;
  void Move(unsigned flags, CPoint p) override;
  void Release(unsigned flags, CPoint p) override;
  void Cancel(CPoint p) override;
  // Only the drag itself (state 1) is taken back by a right press.
  bool RightPressCancels(bool holding, const CToolState& state) const override {
    return holding && state.Is(GestureKind::ShapeDrag);
  }
  // Alt grows a box from its centre, which its cursor shows; a line has none.
  ViewCursor Cursor(bool alt, const CToolState&) const override {
    return alt && !m_shape.line ? ViewCursor::CrossCentre : ViewCursor::Cross;
  }

 private:
  // The new shape of this tool's drag, or null (having dropped whatever
  // other gesture left a shape unfinished) when the gesture is not one.
  CArea* OwnDrag();
  CPoint& Anchor();
  // Puts both points of the shape for the pointer `p`, with Shift's
  // constraint and Alt's growth from the anchor as the centre.
  void Reshape(CArea& area, unsigned flags, CPoint p);
  // Drops the new shape; the selection is what it was before the press.
  void DiscardKeepingSelection();

  Shape m_shape;
};

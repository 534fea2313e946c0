#pragma once
// Guides by mouse: a new one pulled out of a ruler, an existing one moved,
// copied with Alt, or removed by dropping it off the visible picture. Every
// kept change is one undo record. The guide being dragged is the document's
// selected guide; its moving copy belongs to the gesture.
#include <cstdint>
#include <memory>

#include "model/Guide.h"

class CRuler;
class CViewCore;
enum class ToolPhase;

class CGuideTool {
 public:
  explicit CGuideTool(CViewCore& view) : m_view(view) {}
  // A drag out of a ruler (picture pixels).
  void OnRulerGuide(bool fromHorizontal, int32_t x, int32_t y, ToolPhase phase);
  // The arrow tool's drag of an existing guide (picture pixels).
  void OnToolGuide(unsigned flags, int32_t x, int32_t y, ToolPhase phase);
  // Ends the running guide gesture without a trace: a guide still on its
  // way out of `pressed` (null: a drag of an existing guide) goes away.
  void Cancel(CRuler* pressed);

  // The moving copy of a guide dragged with the arrow, until the release.
  std::unique_ptr<CGuide> m_pWorkGuide;

 private:
  CViewCore& m_view;
};

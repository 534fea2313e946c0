#pragma once
// What the running gesture is doing, as the tools, the keys and the cursor
// read it.
#include <cstdint>

// Phases of a hand, guide or ruler gesture.
enum class ToolPhase { Press, Move, Release, Cancel };

// The kind of the running gesture; one at a time.
enum class GestureKind : uint8_t {
  None,
  ShapeDrag,      // a rectangle, ellipse or line pulled from its corner
  PolygonDraw,    // a polygon growing a vertex per click
  PolygonInsert,  // a vertex going into an edge of the selected polygon
  Trace,          // a freehand outline
  PointDrag,      // the arrow dragging points
  AreaMove,       // the arrow moving an area
  GuideDrag,      // a guide moving
};

struct CToolState {
  GestureKind kind = GestureKind::None;
  // Alt turns an area move, a polygon's point drag or a guide drag into a
  // copy; it may be set before the press, by the key.
  bool copy = false;

  bool Is(GestureKind k) const { return kind == k; }
  bool Idle() const { return kind == GestureKind::None; }
  // A new gesture begins: a copy asked for by Alt beforehand is kept.
  void Begin(GestureKind k) { kind = k; }
  // A new gesture begins afresh.
  void Start(GestureKind k) { *this = CToolState{k, false}; }
  void Reset() { *this = CToolState{}; }
  bool PolygonStep() const { return kind == GestureKind::PolygonDraw || kind == GestureKind::PolygonInsert; }

  // The number the replay dump shows (the bits older dumps were written with).
  int Word() const {
    static constexpr int kWords[] = {0, 1, 2, 2 | 8, 2, 0x100, 0x200, 0x204};
    return kWords[int(kind)] | (copy ? 0x1000 : 0);
  }
};

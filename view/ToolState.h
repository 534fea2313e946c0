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
  RegionTrace,    // the trace tool's press, the tolerance following the pointer
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
  int Word() const { return KindWord() | (copy ? 0x1000 : 0); }

 private:
  int KindWord() const {
    switch (kind) {
      case GestureKind::None: return 0;
      case GestureKind::ShapeDrag: return 1;
      case GestureKind::PolygonDraw: return 2;
      case GestureKind::PolygonInsert: return 2 | 8;
      case GestureKind::Trace: return 2;
      case GestureKind::PointDrag: return 0x100;
      case GestureKind::AreaMove: return 0x200;
      case GestureKind::GuideDrag: return 0x204;
      // No older dump knew it: shown as the drag from a corner, which it
      // is like (one press, one release, one area).
      case GestureKind::RegionTrace: return 1;
    }
    return 0;
  }
};

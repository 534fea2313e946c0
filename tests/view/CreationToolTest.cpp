#include <gtest/gtest.h>

#include <string>

#include "EditTestSupport.h"

using zorva::test::ViewFixture;

namespace {

// The outline in drawing order, "x,y x,y ...", then " | " and the bounds.
std::string Shape(const CArea& a) {
  std::string s;
  auto add = [&s](const CPoint& p) { s += std::to_string(p.x) + "," + std::to_string(p.y) + " "; };
  if (a.m_bTailEnd)
    for (const CPoint& p : a.m_listPoint) add(p);
  else
    for (auto it = a.m_listPoint.rbegin(); it != a.m_listPoint.rend(); ++it) add(*it);
  const CRect& r = a.m_rcBound;
  return s + "| " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom);
}

void Click(ViewFixture& f, int x, int y, unsigned mods = 0) {
  f.Press(x, y, mods);
  f.Release(x, y, mods);
}

// The last undo record: (previous selection, outline of the before-copy or
// "none", the live area).
void ExpectLastRecord(ViewFixture& f, CArea* prevSel, const std::string& before, CArea* after) {
  ASSERT_FALSE(f.doc.m_listUndo.empty());
  const CUndoRecord* r = f.doc.LastRecord();
  EXPECT_FALSE(r->IsGuide());
  EXPECT_EQ(r->PrevSel(), prevSel);
  EXPECT_EQ(CopyBefore<CArea>(r) ? Shape(*CopyBefore<CArea>(r)) : "none", before);
  EXPECT_EQ(r->Item(), after);
}


}  // namespace

TEST(DragTools, ShapesWithShiftAndAltAndOneAdditionRecord) {
  struct Case {
    ToolId tool;
    unsigned mods;
    int x, y;  // release point; the press is at 100,100
    int type;
    const char* shape;
  } cases[] = {
      {ID_TOOL_RECT, 0, 130, 110, AREA_RECT, "100,100 130,110 | 100,100,130,110"},
      {ID_TOOL_RECT, MK_SHIFT, 130, 110, AREA_RECT, "100,100 130,130 | 100,100,130,130"},
      {ID_TOOL_RECT, MK_SHIFT | MK_ALT, 130, 110, AREA_RECT, "70,70 130,130 | 70,70,130,130"},
      {ID_TOOL_ELLIPSE, MK_ALT, 130, 110, AREA_ELLIPSE, "70,90 130,110 | 70,90,130,110"},
      {ID_TOOL_LINE, MK_SHIFT, 110, 103, AREA_POLYGON, "100,100 110,100 | 100,100,110,100"},
      {ID_TOOL_LINE, MK_SHIFT | MK_ALT, 110, 106, AREA_POLYGON, "90,90 110,110 | 90,90,110,110"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    ViewFixture f;
    // Selected, with a selected vertex, which is drawn larger than plain marks.
    CArea* old = f.AddPolygon({{300, 20}, {350, 60}, {320, 90}}, true);
    Select(f, old);
    f.doc.m_listSelPoint.push_back(old->GetHeadPoint());
    f.FreshPixels();
    f.Tool(c.tool);
    f.Drag(100, 100, c.x, c.y, c.mods);

    ASSERT_EQ(f.doc.m_listArea.size(), 2u);
    CArea* a = f.doc.m_listArea.back();
    EXPECT_EQ(f.doc.m_pSelArea, a);
    EXPECT_EQ(a->m_nType, c.type);
    EXPECT_EQ(a->m_bClosed, c.tool != ID_TOOL_LINE);
    EXPECT_EQ(Shape(*a), c.shape);
    EXPECT_TRUE(f.view->m_toolState.Idle());
    EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
    ExpectLastRecord(f, old, "none", a);
    EXPECT_EQ(f.StalePixels(), 0u);
  }
}

TEST(CreationTools, RightPressDuringTheFirstGestureLeavesNothing) {
  for (ToolId tool : {ID_TOOL_RECT, ID_TOOL_ELLIPSE, ID_TOOL_LINE, ID_TOOL_POLYGON, ID_TOOL_FREEHAND}) {
    ViewFixture f;
    f.AddRect(10, 10, 60, 40);
    f.view->m_canvas.Invalidate();
    const auto before = f.Pixels();
    f.Tool(tool);
    f.Press(100, 100);
    for (int i = 1; i <= 12; ++i) f.Move(100 + 7 * i, 100 + (i % 3) * 11, MK_SHIFT | MK_ALT);
    f.Move(110, 100);  // back across a freehand trace
    f.RightPress(110, 100);
    EXPECT_EQ(f.doc.m_listArea.size(), 1u);
    EXPECT_EQ(f.doc.m_pSelArea, nullptr);
    EXPECT_TRUE(f.doc.m_listUndo.empty());
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_EQ(f.Pixels(), before) << tool;
  }
}

TEST(DragTools, CornersSnapToGuides) {
  ViewFixture f;
  f.AddGuide(false, 50);
  f.AddGuide(true, 80);
  f.AddGuide(false, 120);
  f.Tool(ID_TOOL_RECT);
  f.Drag(55, 75, 116, 150);
  EXPECT_EQ(Shape(*f.doc.m_listArea.back()), "50,80 120,150 | 50,80,120,150");
}

TEST(PolygonTool, EachVertexIsAStepAndTheFirstPointClosesFromTheThirdOn) {
  ViewFixture f;
  CArea* old = f.AddRect(300, 200, 350, 250);
  Select(f, old);
  f.Tool(ID_TOOL_POLYGON);
  Click(f, 20, 20);
  CArea* poly = f.doc.m_listArea.back();
  ExpectLastRecord(f, old, "none", poly);
  Click(f, 23, 22);  // on the first point as the second vertex: no closing
  EXPECT_EQ(Shape(*poly), "20,20 23,22 | 20,20,23,22");
  Click(f, 100, 20);
  ExpectLastRecord(f, nullptr, "20,20 23,22 | 20,20,23,22", poly);
  // Near the first point the vertex, and the pointer, jump onto it.
  f.Press(60, 60);
  f.Move(24, 25);
  EXPECT_EQ(f.host.pointer, f.Client(20, 20));
  f.Release(25, 24);
  EXPECT_EQ(Shape(*poly), "20,20 23,22 100,20 | 20,20,100,22");
  EXPECT_TRUE(poly->m_bClosed);
  EXPECT_TRUE(f.doc.m_listSelPoint.empty());
  EXPECT_TRUE(f.view->m_toolState.Idle());
  EXPECT_EQ(f.doc.m_listUndo.size(), 4u);
  ExpectLastRecord(f, nullptr, "20,20 23,22 100,20 | 20,20,100,22", poly);
  EXPECT_EQ(f.StalePixels(), 0u);
}

TEST(PolygonTool, InsertIntoAnEdgeOrDropTheVertexWithARightPress) {
  ViewFixture f;
  CArea* poly = f.AddPolygon({{100, 100}, {200, 100}, {200, 200}, {100, 200}}, true);
  const std::string square = Shape(*poly);
  Select(f, poly);
  f.Tool(ID_TOOL_POLYGON);
  const auto before = f.Pixels();
  f.Press(150, 102);
  f.Move(150, 80);
  EXPECT_EQ(Shape(*poly), "100,100 150,80 200,100 200,200 100,200 | 100,100,200,200");
  f.RightPress(150, 80);
  EXPECT_EQ(Shape(*poly), square);
  EXPECT_TRUE(f.doc.m_listUndo.empty());
  EXPECT_EQ(f.Pixels(), before);

  // Shift bends the inserted vertex about the one before it on the outline.
  f.Press(150, 198);
  f.Release(170, 245, MK_SHIFT);
  EXPECT_EQ(Shape(*poly), "100,100 200,100 200,200 155,245 100,200 | 100,100,200,245");
  EXPECT_EQ(poly->m_pPending, nullptr);
  EXPECT_TRUE(f.view->m_toolState.Idle());
  ExpectLastRecord(f, nullptr, square, poly);
  EXPECT_EQ(f.StalePixels(), 0u);
}

TEST(PolygonTool, ContinuesFromASelectedEndAfterARightPressEndedIt) {
  ViewFixture f;
  f.Tool(ID_TOOL_POLYGON);
  Click(f, 10, 10);
  Click(f, 50, 10);
  CArea* poly = f.doc.m_pSelArea;
  f.RightPress(50, 10);  // not captured: drawing ends, the last vertex stays selected
  Click(f, 53, 60, MK_SHIFT);
  EXPECT_EQ(Shape(*poly), "10,10 50,10 50,60 | 10,10,50,60");
  // A vertex cancelled while placed goes; drawing goes on.
  f.Press(90, 90);
  f.RightPress(90, 90);
  EXPECT_TRUE(f.view->m_toolState.Is(GestureKind::PolygonDraw));
  EXPECT_TRUE(f.doc.m_listSelPoint.empty());
  EXPECT_EQ(f.StalePixels(), 0u);
  Click(f, 90, 60);
  // From the head: the outline now grows at that end.
  f.RightPress(90, 60);
  f.doc.m_listSelPoint.assign(1, poly->GetHeadPoint());
  Click(f, 10, 50);
  EXPECT_EQ(Shape(*poly), "90,60 50,60 50,10 10,10 10,50 | 10,10,90,60");
  EXPECT_EQ(f.doc.m_listArea.size(), 1u);
  EXPECT_EQ(f.doc.m_listUndo.size(), 5u);
  EXPECT_EQ(f.StalePixels(), 0u);
}

TEST(PolygonTool, DrawingThatLostItsPolygonStartsAfresh) {
  ViewFixture f;
  f.Tool(ID_TOOL_POLYGON);
  // Still drawing, but the selection moved to a rectangle or to nothing: the
  // next click starts a new polygon and leaves the rectangle alone.
  CArea* rect = f.AddRect(200, 200, 260, 240);
  Click(f, 10, 10);
  for (CArea* other : {rect, static_cast<CArea*>(nullptr)}) {
    Select(f, other);
    Click(f, 230, 200);
    EXPECT_EQ(Shape(*f.doc.m_pSelArea), "230,200 | 230,200,230,200");
    ExpectLastRecord(f, other, "none", f.doc.m_pSelArea);
  }
  EXPECT_EQ(Shape(*rect), "200,200 260,240 | 200,200,260,240");
  EXPECT_EQ(f.doc.m_listArea.size(), 4u);
}

TEST(FreehandTool, ThinningAndTheReleaseRule) {
  struct Case {
    std::vector<CPoint> moves;
    CPoint release;
    const char* points;
  } cases[] = {
      {{{105, 103}, {109, 91}, {91, 109}}, {108, 107}, "100,100 108,107 "},
      {{{105, 101}, {110, 102}, {115, 102}, {119, 112}}, {130, 110},
       "100,100 110,102 119,112 130,110 "},
      {{{101, 95}, {102, 90}, {103, 85}}, {104, 60}, "100,100 102,90 104,60 "},
      // Within 5 of the last kept point the release point replaces it.
      {{{110, 100}, {120, 100}}, {124, 103}, "100,100 110,100 124,103 "},
      {{{110, 100}, {120, 100}}, {126, 100}, "100,100 110,100 120,100 126,100 "},
  };
  for (Zoom zoom : {kZoom100, kZoom200}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.points << " zoom " << zoom.Percent());
      ViewFixture f({400, 300}, {300, 200});
      f.view->SetZoomKeepCentre(zoom);
      CArea* old = f.AddRect(90, 120, 150, 160);
      Select(f, old);
      f.Tool(ID_TOOL_FREEHAND);
      f.Press(100, 100);
      for (const CPoint& m : c.moves) f.Move(m.x, m.y);
      f.Release(c.release.x, c.release.y);
      CArea* a = f.doc.m_listArea.back();
      EXPECT_EQ(Shape(*a).substr(0, Shape(*a).find('|')), c.points);
      EXPECT_FALSE(a->m_bClosed);
      ExpectLastRecord(f, old, "none", a);
      EXPECT_EQ(f.StalePixels(), 0u);
    }
  }
}

TEST(CreationTools, AnInterruptedGestureIsNotAdoptedByAnother) {
  // The tool (a digit key) or the selection (Tab) changes under a held
  // button: the unfinished shape never reaches the document.
  ViewFixture f;
  CArea* rect = f.AddRect(10, 10, 60, 40);
  f.Tool(ID_TOOL_RECT);
  f.Press(100, 100);
  f.view->SelectTool(ID_TOOL_FREEHAND);
  f.Move(170, 160);
  f.Release(170, 160);
  f.Tool(ID_TOOL_LINE);
  f.Press(100, 100);
  Select(f, rect);
  f.Release(170, 160);
  EXPECT_EQ(f.doc.m_listArea.size(), 1u);
  EXPECT_EQ(Shape(*rect), "10,10 60,40 | 10,10,60,40");
  EXPECT_TRUE(f.doc.m_listUndo.empty());
  EXPECT_EQ(f.StalePixels(), 0u);
}

// A click, or a drag that leaves no width or height (no length for a line),
// makes no area: no browser could click it. What was selected stays so.
TEST(DragTools, AClickWithoutADragDrawsNothing) {
  struct Case {
    ToolId tool;
    CPoint to;      // the release, the press being at 100,100
    bool makesArea;
  } cases[] = {
      {ID_TOOL_RECT, {100, 100}, false},    {ID_TOOL_RECT, {160, 100}, false},
      {ID_TOOL_RECT, {160, 101}, true},     {ID_TOOL_ELLIPSE, {100, 100}, false},
      {ID_TOOL_ELLIPSE, {100, 150}, false}, {ID_TOOL_ELLIPSE, {130, 150}, true},
      {ID_TOOL_LINE, {100, 100}, false},    {ID_TOOL_LINE, {160, 100}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.tool) + " to " + std::to_string(c.to.x) + "," + std::to_string(c.to.y));
    ViewFixture f;
    CArea* old = f.AddRect(10, 10, 60, 40);
    Select(f, old);
    f.view->m_canvas.Invalidate();
    const auto before = f.Pixels();
    f.Tool(c.tool);
    f.Press(100, 100);
    f.Move(c.to.x, c.to.y);
    f.Release(c.to.x, c.to.y);
    EXPECT_EQ(f.doc.m_listArea.size(), c.makesArea ? 2u : 1u);
    EXPECT_EQ(f.doc.m_listUndo.size(), c.makesArea ? 1u : 0u);
    EXPECT_EQ(f.doc.IsModified(), c.makesArea);
    if (!c.makesArea) {
      EXPECT_EQ(f.doc.m_pSelArea, old);
      EXPECT_EQ(f.Pixels(), before);
    }
    EXPECT_EQ(f.StalePixels(), 0u);
  }
}

// Escape ends a drawing: a drag leaves nothing; between the clicks of a
// polygon it ends the polygon with the vertices placed so far.
TEST(CreationTools, EscapeCancelsADrawingInProgress) {
  for (ToolId tool : {ID_TOOL_RECT, ID_TOOL_ELLIPSE, ID_TOOL_LINE}) {
    ViewFixture f;
    f.view->m_canvas.Invalidate();
    const auto before = f.Pixels();
    f.Tool(tool);
    f.Press(100, 100);
    f.Move(150, 140);
    f.Key(VK_ESCAPE, true);
    f.Key(VK_ESCAPE, false);
    EXPECT_FALSE(f.host.captured) << tool;
    f.Release(150, 140);
    EXPECT_TRUE(f.doc.m_listArea.empty()) << tool;
    EXPECT_TRUE(f.doc.m_listUndo.empty()) << tool;
    EXPECT_EQ(f.Pixels(), before) << tool;
  }
  ViewFixture f;
  f.Tool(ID_TOOL_POLYGON);
  Click(f, 20, 20);
  Click(f, 100, 20);
  f.Key(VK_ESCAPE, true);
  Click(f, 200, 200);  // a new polygon, not a third vertex
  ASSERT_EQ(f.doc.m_listArea.size(), 2u);
  EXPECT_EQ(Shape(*f.doc.m_listArea.front()), "20,20 100,20 | 20,20,100,20");
  EXPECT_EQ(f.StalePixels(), 0u);
}

// Ctrl+Z while the vertices are placed takes the last one back, and the
// next click goes on from the vertex before it.
TEST(PolygonTool, UndoWhilePlacingRemovesTheLastVertexAndPlacingGoesOn) {
  ViewFixture f;
  f.Tool(ID_TOOL_POLYGON);
  Click(f, 20, 20);
  Click(f, 100, 20);
  Click(f, 100, 90);
  CArea* poly = f.doc.m_listArea.back();
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Shape(*poly), "20,20 100,20 | 20,20,100,20");
  EXPECT_EQ(f.StalePixels(), 0u);
  Click(f, 60, 90);
  ASSERT_EQ(f.doc.m_listArea.size(), 1u);
  EXPECT_EQ(Shape(*poly), "20,20 100,20 60,90 | 20,20,100,90");
  // Taken back to its first vertex and on again.
  f.view->OnCommand(ID_EDIT_UNDO);
  f.view->OnCommand(ID_EDIT_UNDO);
  Click(f, 20, 60);
  EXPECT_EQ(Shape(*poly), "20,20 20,60 | 20,20,20,60");
  EXPECT_EQ(f.doc.m_listArea.size(), 1u);
}

// While the vertices are placed, a segment runs from the last one to the
// pointer: it follows a move, stays through a repaint and goes with Escape.
TEST(PolygonTool, ASegmentFollowsThePointerFromTheLastVertex) {
  ViewFixture f;
  f.Tool(ID_TOOL_POLYGON);
  Click(f, 20, 20);
  Click(f, 100, 20);
  const auto placed = f.Pixels();
  const auto hover = [&f](int x, int y) {
    f.host.pointer = f.Client(x, y);
    f.view->OnMouseMove(0, f.host.pointer);
  };
  const auto at = [&f](const std::vector<uint32_t>& pixels, int x, int y) {
    return pixels[size_t(f.Client(x, y).y) * size_t(f.view->m_canvas.BackBuffer().Width()) + size_t(f.Client(x, y).x)];
  };
  hover(100, 120);
  const auto first = f.Pixels();
  EXPECT_NE(at(first, 100, 70), at(placed, 100, 70));  // on the segment
  EXPECT_EQ(f.StalePixels(), 0u);                    // a repaint draws it alike
  hover(200, 20);
  const auto second = f.Pixels();
  EXPECT_EQ(at(second, 100, 70), at(placed, 100, 70));  // the old place is clean
  EXPECT_NE(at(second, 150, 20), at(placed, 150, 20));
  f.Key(VK_ESCAPE, true);
  EXPECT_EQ(at(f.Pixels(), 150, 20), at(placed, 150, 20));
  EXPECT_EQ(f.StalePixels(), 0u);
  hover(100, 120);  // placing has ended: no segment comes back
  EXPECT_EQ(at(f.Pixels(), 100, 70), at(placed, 100, 70));
  // Nor does another tool show one.
  Click(f, 300, 200);
  f.Tool(ID_TOOL_RECT);
  hover(300, 250);
  EXPECT_EQ(at(f.Pixels(), 300, 230), at(placed, 300, 230));
}

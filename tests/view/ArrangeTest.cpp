// Arranging areas without the mouse (their order, nudging by the arrow keys)
// and picking an area by its inside.
#include <gtest/gtest.h>

#include <string>

#include "EditTestSupport.h"

using zorva::test::PointsOf;
using zorva::test::ViewFixture;

namespace {

// The areas bottom first, as letters of the order they were added in.
std::string Order(const ViewFixture& f, const std::vector<CArea*>& named) {
  std::string s;
  for (const CArea* a : f.doc.m_listArea)
    for (size_t i = 0; i < named.size(); ++i)
      if (named[i] == a) s += char('a' + i);
  return s;
}

bool Enabled(ViewFixture& f, unsigned id) {
  CCmdState state;
  EXPECT_TRUE(f.view->OnUpdateCommand(id, state));
  return state.enabled;
}

void Click(ViewFixture& f, int x, int y) {
  f.Press(x, y);
  f.Release(x, y);
}

}  // namespace

// Each command from each place in a list of four: where the area goes, one
// undo step that puts it back, a redo that moves it again, and the commands
// that could not move it disabled.
TEST(AreaOrder, EachCommandMovesTheSelectedAreaAsOneStep) {
  struct Case {
    unsigned id;
    size_t from;
    const char* after;  // "" when the command cannot move it
  } cases[] = {
      {ID_AREA_TO_FRONT, 0, "bcda"}, {ID_AREA_TO_FRONT, 1, "acdb"}, {ID_AREA_TO_FRONT, 3, ""},
      {ID_AREA_FORWARD, 0, "bacd"},  {ID_AREA_FORWARD, 2, "abdc"},  {ID_AREA_FORWARD, 3, ""},
      {ID_AREA_BACKWARD, 3, "abdc"}, {ID_AREA_BACKWARD, 1, "bacd"}, {ID_AREA_BACKWARD, 0, ""},
      {ID_AREA_TO_BACK, 3, "dabc"},  {ID_AREA_TO_BACK, 2, "cabd"},  {ID_AREA_TO_BACK, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " from " + std::to_string(c.from));
    ViewFixture f;
    std::vector<CArea*> named;
    for (int i = 0; i < 4; ++i) named.push_back(f.AddRect(10 + 30 * i, 10, 60 + 30 * i, 60));
    zorva::test::Select(f, named[c.from]);
    EXPECT_EQ(Enabled(f, c.id), *c.after != 0);
    f.view->OnCommand(c.id);
    EXPECT_EQ(Order(f, named), *c.after ? c.after : "abcd");
    EXPECT_EQ(f.doc.m_listUndo.size(), *c.after ? 1u : 0u);
    EXPECT_EQ(f.doc.IsModified(), *c.after != 0);
    EXPECT_EQ(f.doc.m_pSelArea, named[c.from]);
    if (!*c.after) continue;
    f.view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Order(f, named), "abcd");
    EXPECT_FALSE(f.doc.IsModified());
    f.view->OnCommand(ID_EDIT_REDO);
    EXPECT_EQ(Order(f, named), c.after);
    EXPECT_EQ(f.StalePixels(), 0u);
  }
  ViewFixture none;
  none.AddRect(1, 1, 9, 9);
  for (unsigned id : {ID_AREA_TO_FRONT, ID_AREA_FORWARD, ID_AREA_BACKWARD, ID_AREA_TO_BACK})
    EXPECT_FALSE(Enabled(none, id));
}

// The arrow keys move the selected area by one picture pixel, ten with
// Shift; a key held down (its repeats) is one step to undo, a new press
// another.
TEST(AreaNudge, ArrowKeysMoveTheSelectedAreaOneStepPerRun) {
  ViewFixture f(CSize(400, 300), CSize(800, 600));
  CArea* a = f.AddRect(100, 100, 150, 140);
  f.view->OnCommand(ID_VIEW_ZOOM200);  // steps are picture pixels at any zoom
  zorva::test::Select(f, a);
  f.Key(VK_RIGHT, true);
  f.view->m_keys->OnKeyDown(VK_RIGHT, true);
  f.view->m_keys->OnKeyDown(VK_RIGHT, true);
  f.Key(VK_RIGHT, false);
  EXPECT_EQ(PointsOf(*a), (std::vector<CPoint>{{103, 100}, {153, 140}}));
  EXPECT_EQ(a->m_rcBound, CRect(103, 100, 153, 140));
  EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
  f.host.keys[VK_SHIFT] = true;
  f.Key(VK_UP, true);
  f.Key(VK_UP, false);
  f.Key(VK_UP, true);
  f.Key(VK_UP, false);
  f.host.keys[VK_SHIFT] = false;
  f.Key(VK_LEFT, true);
  f.Key(VK_DOWN, true);  // another key while one is held starts its own run
  EXPECT_EQ(PointsOf(*a), (std::vector<CPoint>{{102, 81}, {152, 121}}));
  EXPECT_EQ(f.doc.m_listUndo.size(), 5u);
  EXPECT_TRUE(f.doc.IsModified());
  EXPECT_EQ(f.StalePixels(), 0u);
  for (int i = 0; i < 5; ++i) f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(PointsOf(*a), (std::vector<CPoint>{{100, 100}, {150, 140}}));
  EXPECT_FALSE(f.doc.IsModified());
  // A repeat after an undo does not join the step it undid.
  f.Key(VK_RIGHT, true);
  f.view->OnCommand(ID_EDIT_UNDO);
  f.view->m_keys->OnKeyDown(VK_RIGHT, true);
  EXPECT_EQ(PointsOf(*a), (std::vector<CPoint>{{101, 100}, {151, 140}}));
  EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
  // Nothing selected: nothing moves and nothing is recorded.
  zorva::test::Select(f, nullptr);
  f.Key(VK_LEFT, true);
  EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
}

// A click on no outline picks the topmost area whose surface, as a browser
// sees it, holds the pixel; a click on an outline stays the outline's.
TEST(ArrowTool, AClickInsideSelectsTheTopmostAreaThatTakesThePixel) {
  ViewFixture f;
  CArea* bottom = f.AddRect(20, 20, 200, 200);
  CArea* circle = f.AddEllipse(100, 100, 180, 180);  // a circle: centre 140,140 radius 40
  CArea* notch = f.AddPolygon({{20, 220}, {120, 220}, {70, 250}, {120, 280}, {20, 280}}, true);
  struct Case {
    CPoint at;
    CArea* picked;
  } cases[] = {
      {{140, 140}, circle},  // inside both: the upper one
      {{105, 105}, bottom},  // in the circle's bounds, beyond its surface
      {{60, 60}, bottom},
      {{30, 250}, notch},
      {{110, 250}, nullptr},  // the polygon's notch
      {{300, 100}, nullptr},
      {{20, 100}, bottom},  // on the outline
      {{140, 180}, circle},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.at.x) + "," + std::to_string(c.at.y));
    zorva::test::Select(f, nullptr);
    Click(f, c.at.x, c.at.y);
    EXPECT_EQ(f.doc.m_pSelArea, c.picked);
    EXPECT_TRUE(f.doc.m_listUndo.empty());
  }
  // The bottom area's outline inside the circle is still the bottom area's.
  CArea* inner = f.AddRect(130, 130, 150, 150);
  zorva::test::Select(f, nullptr);
  f.doc.m_listArea.Reverse();  // the small one at the bottom, under the circle
  Click(f, 130, 140);
  EXPECT_EQ(f.doc.m_pSelArea, inner);
  // A drag from inside moves the area as a drag from its outline does.
  zorva::test::Select(f, nullptr);
  f.Drag(60, 60, 70, 75);
  EXPECT_EQ(PointsOf(*bottom), (std::vector<CPoint>{{30, 35}, {210, 215}}));
  EXPECT_EQ(f.StalePixels(), 0u);
}

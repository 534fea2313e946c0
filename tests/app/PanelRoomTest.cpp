#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>

#include "FrameTestSupport.h"
#include "ui/AreaListBar.h"
#include "ui/GrowingField.h"
#include "ui/PropertyBar.h"
#include "view/ViewPanel.h"

using zorva::test::FrameFixture;

class PanelRoom : public FrameFixture {
 protected:
  CPropertyBar* Bar() { return frame->PropertyBar(); }
  CGrowingField* Other() { return Bar()->OtherAttrsField(); }
};

TEST_F(PanelRoom, TheAreaListHasMoreRoomThanThePointBoxAtEveryHeight) {
  for (const int height : {600, 800, 1100}) {
    frame->resize(800, height);
    QApplication::processEvents();
    ASSERT_TRUE(frame->AreaList()->isVisible());
    const int list = frame->AreaList()->height(), points = Bar()->PointList()->height();
    EXPECT_GT(list, points) << height;
    // The point box still shows its few rows.
    EXPECT_GE(points, Bar()->PointList()->sizeHint().height()) << height;
  }
  // Dragged taller, the panel gives the point box the room.
  const int before = Bar()->PointList()->height();
  frame->resizeDocks({Bar(), frame->AreaList()}, {Bar()->height() + 200, frame->AreaList()->height() - 200},
                     Qt::Vertical);
  QApplication::processEvents();
  EXPECT_GE(Bar()->PointList()->height(), before + 150);
}

TEST_F(PanelRoom, OtherAttributesGrowWithTheirTextUpToFourLines) {
  CArea* a = AddRect(10, 10, 60, 40);
  View().OnLButtonDown(MK_LBUTTON, View().m_coords.ToWindow(CPoint(12, 11)));
  View().OnLButtonUp(0, View().m_coords.ToWindow(CPoint(12, 11)));
  ASSERT_EQ(doc->m_pSelArea, a);
  const int oneLine = Other()->height();
  // As high as the line fields beside it, give or take their frames.
  EXPECT_NEAR(oneLine, Bar()->Field(IDC_URL)->height(), 8);
  // Nor does it widen the panel beyond what the line fields ask for.
  EXPECT_LE(Other()->sizeHint().width(), Bar()->Field(IDC_URL)->sizeHint().width());

  struct Case {
    std::string attrs;
    int minLines, maxLines;
  };
  const std::string word = "data-x=\"0123456789\" ";
  std::string longer, longest;
  for (int i = 0; i < 6; ++i) longer += word;
  for (int i = 0; i < 60; ++i) longest += word;
  const Case cases[] = {
      {"class=a1", 1, 1},
      {longer, 2, 4},
      {longest, 4, 4},  // more than four lines scroll
      {"id=x", 1, 1},   // and it shrinks back
      // One long word with no space still wraps.
      {"style=\"" + std::string(300, 'w') + "\"", 2, 4},
  };
  for (const Case& c : cases) {
    a->m_strOtherAttrs = c.attrs;
    View().m_panel->Refresh();
    QApplication::processEvents();
    const int lines = Other()->shownLines();
    EXPECT_GE(std::min(lines, 4), c.minLines) << c.attrs.size();
    EXPECT_LE(std::min(lines, 4), c.maxLines) << c.attrs.size();
    EXPECT_EQ(Other()->height() > oneLine, c.minLines > 1) << c.attrs.size();
    EXPECT_EQ(Bar()->GetText(IDC_OTHERATTRS), c.attrs) << "the view reads the text unchanged";
  }
  a->m_strOtherAttrs = longest;
  View().m_panel->Refresh();
  QApplication::processEvents();
  const int capped = Other()->height();
  a->m_strOtherAttrs = longest + longest;
  View().m_panel->Refresh();
  QApplication::processEvents();
  EXPECT_EQ(Other()->height(), capped);
}

TEST_F(PanelRoom, OtherAttributesStayOneLineOfTextAndEnterApplies) {
  CArea* a = AddRect(10, 10, 60, 40);
  View().OnLButtonDown(MK_LBUTTON, View().m_coords.ToWindow(CPoint(12, 11)));
  View().OnLButtonUp(0, View().m_coords.ToWindow(CPoint(12, 11)));
  ASSERT_EQ(doc->m_pSelArea, a);
  std::vector<PanelChange> sent;
  auto toView = Bar()->onApply;
  Bar()->onApply = [&sent, toView](PanelChange change) {
    sent.push_back(change);
    toView(change);
  };
  CGrowingField* other = Other();
  other->setFocus();
  other->selectAll();
  // A pasted line break would split the attributes: it becomes a space.
  QApplication::clipboard()->setText(QStringLiteral("id=a\nclass=b\r\ntitle=c"));
  other->paste();
  EXPECT_EQ(other->text(), QStringLiteral("id=a class=b title=c"));
  EXPECT_TRUE(other->isModified());
  // Typed and not applied: a command reads it first.
  Bar()->ApplyPendingEdit();
  EXPECT_EQ(sent, std::vector<PanelChange>{PanelChange::Edit});
  EXPECT_EQ(a->m_strOtherAttrs, "id=a class=b title=c");
  EXPECT_FALSE(other->isModified());

  sent.clear();
  QTest::keyClicks(other, QStringLiteral(" lang=en"));
  QTest::keyClick(other, Qt::Key_Return);
  EXPECT_FALSE(other->text().contains(QLatin1Char('\n')));
  EXPECT_EQ(a->m_strOtherAttrs, "id=a class=b title=c lang=en");
  EXPECT_EQ(sent.back(), PanelChange::Enter);
  EXPECT_FALSE(other->hasFocus()) << "Enter hands the focus back to the view";

  // Tab leaves the field as from a line field, applying it.
  other->setFocus();
  sent.clear();
  QTest::keyClicks(other, QStringLiteral(" dir=ltr"));
  QTest::keyClick(other, Qt::Key_Tab);
  EXPECT_FALSE(other->text().contains(QLatin1Char('\t')));
  EXPECT_FALSE(other->hasFocus());
  EXPECT_EQ(sent, std::vector<PanelChange>{PanelChange::Edit});
  EXPECT_EQ(a->m_strOtherAttrs, "id=a class=b title=c lang=en dir=ltr");
}

#pragma once
// A shown main frame over a document with a 400 x 300 picture size and no
// picture, and short ways to add areas and to let the event loop run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QtTest/QTest>
#include <initializer_list>
#include <memory>

#include "TestSupport.h"
#include "model/ZorvaDoc.h"
#include "ui/MainFrame.h"
#include "ui/ZorvaViewWidget.h"
#include "view/ZorvaView.h"

namespace zorva::test {

// The tests' private configuration folder, so the real user's settings are
// never read or written. Qt computes the settings location once per process,
// so every test that makes settings takes this one folder.
inline const TempDir& ConfigDir() {
  static TempDir dir;
  return dir;
}

inline void EnsureQApplication() {
  if (!QApplication::instance()) {
    static int argc = 1;
    static char arg0[] = "test_app";
    static char* argv[] = {arg0, nullptr};
    new QApplication(argc, argv);
  }
}

// Runs the event loop for `ms`, blocking between events as the real loop
// does (queued calls and posted events run as they would for the user).
inline void RunLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class FrameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQApplication();
    doc = std::make_unique<CZorvaDoc>(&host);
    doc->m_sizePicture = CSize{400, 300};
    frame = std::make_unique<CMainFrame>(*doc, nullptr);
    frame->resize(800, 600);
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    View().OnUpdate();
  }
  void TearDown() override {
    frame.reset();
    doc.reset();
  }

  CZorvaView& View() { return frame->View()->View(); }
  QWidget* Viewport() { return frame->View()->viewport(); }
  QAction* Action(unsigned id) { return frame->CommandAction(id); }

  CArea* AddArea(int type, std::initializer_list<CPoint> points, bool closed = true) {
    return &zorva::test::AddArea(*doc, type, points, closed);
  }
  CArea* AddRect(int l, int t, int r, int b) { return AddArea(AREA_RECT, {{l, t}, {r, b}}); }

  // A drag with the current tool, in client pixels of the view.
  void Drag(CPoint from, CPoint to) {
    View().OnLButtonDown(MK_LBUTTON, from);
    View().OnMouseMove(MK_LBUTTON, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
    View().OnMouseMove(MK_LBUTTON, to);
    View().OnLButtonUp(0, to);
  }

  FakeDocumentHost host;
  std::unique_ptr<CZorvaDoc> doc;
  std::unique_ptr<CMainFrame> frame;
};

}  // namespace zorva::test

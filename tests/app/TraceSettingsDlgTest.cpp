// The trace tool's settings in the window: the frame starts from the stored
// values, a double click on the tool's button and the Edit menu open the
// dialog, OK keeps the new values in the view and the store, cancel keeps
// nothing.
#include <QDoubleSpinBox>
#include <QSpinBox>

#include "FrameTestSupport.h"
#include "platform/SettingsStore.h"
#include "ui/MainFrame.h"
#include "ui/ToolBox.h"
#include "ui/TraceSettingsDlg.h"
#include "ui/ZorvaViewWidget.h"
#include "view/CommandIds.h"
#include "view/TraceSettingsStore.h"
#include "view/ZorvaView.h"

using namespace zorva::test;

namespace {

// Answers the dialog the next command opens: sets the two values and
// accepts, or rejects; returns what the dialog showed first.
struct DialogAnswer {
  int shownTolerance = -1;
  double shownEpsilon = -1;
  void Arm(int tolerance, double epsilon, bool accept) {
    QTimer::singleShot(0, [=, this] {
      auto* dlg = qobject_cast<CTraceSettingsDlg*>(QApplication::activeModalWidget());
      if (!dlg) return;
      shownTolerance = dlg->ToleranceBox()->value();
      shownEpsilon = dlg->EpsilonBox()->value();
      dlg->ToleranceBox()->setValue(tolerance);
      dlg->EpsilonBox()->setValue(epsilon);
      if (accept) dlg->accept();
      else dlg->reject();
    });
  }
};

}  // namespace

TEST(TraceSettingsDialog, OpensFromTheToolAndTheMenuAndKeepsWhatOkSays) {
  EnsureQApplication();
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.m_sizePicture = CSize{400, 300};
  zorva::CMemorySettingsStore store;
  zorva::StoreTraceSettings(store, {50, 3.0});
  CMainFrame frame(doc, &store);
  frame.show();
  CZorvaView& view = frame.View()->View();
  EXPECT_EQ(view.m_traceSettings.tolerance, 50);
  EXPECT_EQ(view.m_traceSettings.epsilon, 3.0);

  QWidget* button = frame.ToolBox()->widgetForAction(frame.CommandAction(ID_TOOL_TRACE));
  ASSERT_NE(button, nullptr);
  DialogAnswer ok;
  ok.Arm(77, 2.5, true);
  QTest::mouseDClick(button, Qt::LeftButton);
  EXPECT_EQ(ok.shownTolerance, 50);
  EXPECT_EQ(ok.shownEpsilon, 3.0);
  EXPECT_EQ(view.m_traceSettings.tolerance, 77);
  EXPECT_EQ(view.m_traceSettings.epsilon, 2.5);
  EXPECT_EQ(zorva::LoadTraceSettings(store).tolerance, 77);
  EXPECT_EQ(zorva::LoadTraceSettings(store).epsilon, 2.5);

  DialogAnswer cancel;
  cancel.Arm(5, 0.5, false);
  frame.CommandAction(ID_EDIT_TRACE_SETTINGS)->trigger();
  EXPECT_EQ(cancel.shownTolerance, 77);
  EXPECT_EQ(view.m_traceSettings.tolerance, 77);
  EXPECT_EQ(zorva::LoadTraceSettings(store).epsilon, 2.5);
}

// Times the editor's steps in its real window on a big page against the same
// step on a 10-area page, in turn in one process: from the event to the
// window repainted and the event loop idle. The pages come from
// scripts/make_bench_pages.py.
//   bench_window DIR [BIG]     (DIR holds page10.html and pageBIG.html)
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <malloc.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Autosaver.h"
#include "app/FileDialogs.h"
#include "app/ZorvaApp.h"
#include "model/ZorvaDoc.h"
#include "ui/MainFrame.h"
#include "ui/ZorvaViewWidget.h"
#include "view/CommandIds.h"
#include "view/ViewPanel.h"
#include "view/ZorvaView.h"

namespace {

using Clock = std::chrono::steady_clock;

// Hands the page to open to the Open command.
class PageDialogs : public IFileDialogs {
 public:
  std::optional<std::string> GetOpenFileName(const FileDialogRequest&) override { return next; }
  std::optional<std::string> GetSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::string next;
};

// Runs the loop until nothing is left to do: posted events, the repaints
// they asked for, the picture loader's notice.
void Settle() {
  for (int idle = 0; idle < 3;) {
    QCoreApplication::sendPostedEvents();
    if (QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents)) idle = 0;
    else ++idle;
  }
}

// The bytes the process holds from the heap (small blocks and mapped ones),
// which unlike the resident size does not depend on what the allocator kept
// from earlier frees.
long HeapBytes() {
  const struct mallinfo2 m = mallinfo2();
  return long(m.uordblks + m.hblkhd);
}

struct Editor {
  CZorvaApp app;
  PageDialogs dialogs;
  CMainFrame* frame = nullptr;

  void Start() {
    app.SetFileDialogs(&dialogs);
    app.SetGreeting([] { return GreetingChoice::Cancel; });
    app.InitInstance("");
    frame = app.MainFrame();
    frame->resize(1280, 900);
    Settle();
  }
  CZorvaView& View() { return frame->View()->View(); }
  QWidget* Viewport() { return frame->View()->viewport(); }
  void Open(const std::string& path) {
    dialogs.next = path;
    frame->RouteCommand(ID_FILE_OPEN);
    // The picture decodes on a worker; the window is done when it is painted.
    for (int i = 0; i < 2000 && !app.Document().m_bPictureLoaded; ++i) {
      Settle();
      if (!app.Document().m_bPictureLoaded) QTest::qWait(1);
    }
    Settle();
  }
  // A point of the probe rectangle's top edge, in the viewport.
  QPoint Probe(int dx = 0) {
    const CPoint p = View().m_coords.ToWindow(CPoint(200 + dx, 100));
    return QPoint(p.x, p.y);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(frame->View(), key, mods);
    Settle();
  }
  void Command(unsigned id) {
    frame->RouteCommand(id);
    Settle();
  }
};

double Time(const std::function<void()>& step) {
  const auto t0 = Clock::now();
  step();
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// The processor time of the calling thread: on a machine shared with other
// work the wall time also counts the waits for a processor.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_window DIR [BIG]\n");
    return 2;
  }
  const std::string dir = argv[1];
  const std::string big = argc > 2 ? argv[2] : "50000";
  QTemporaryDir config, state;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  qputenv("XDG_STATE_HOME", state.path().toUtf8());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  const std::string small = dir + "/page10.html", large = dir + "/page" + big + ".html";

  // Two editors, one on each page, so the steps alternate without reopening.
  Editor s, l;
  s.Start();
  l.Start();
  std::vector<double> openS, openL;
  long grown = 0, grownSmall = 0;
  for (int i = 0; i < 3; ++i) {
    const long beforeSmall = HeapBytes();
    openS.push_back(Time([&] { s.Open(small); }));
    if (i == 0) grownSmall = HeapBytes() - beforeSmall;
    const long before = HeapBytes();
    openL.push_back(Time([&] { l.Open(large); }));
    // The first opening only: later ones reuse what the one before freed.
    if (i == 0) grown = HeapBytes() - before;
  }
  const size_t areas = l.app.Document().m_listArea.size();
  std::printf("window benchmark: %zu areas against 10, median of runs in turn, ms\n", areas);
  std::printf("  %-34s %9.2f %9.2f   %6.2fx\n", "open the page to a painted window", Median(openS),
              Median(openL), Median(openL) / Median(openS));

  // One round of every step on one editor; each timed stage adds its time
  // under its name. The round leaves the document as it found it.
  using Times = std::vector<std::pair<const char*, double>>;
  std::vector<double> autosaveCpu;
  auto round = [&](Editor& e, Times& t) {
    auto timed = [&](const char* name, const std::function<void()>& f) { t.emplace_back(name, Time(f)); };
    QWidget* vp = e.Viewport();
    e.View().m_panel->SelectFromList(int(e.app.Document().m_listArea.size()), nullptr);
    const QPoint p = e.Probe();
    timed("click: press", [&] { QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, p); Settle(); });
    timed("click: release", [&] { QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, p); Settle(); });
    timed("drag: press", [&] { QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, p); Settle(); });
    for (int k = 1; k <= 5; ++k) {
      const QPoint q = p + QPoint(4 * k, 3 * k);
      timed("drag: move", [&] {
        QMouseEvent ev(QEvent::MouseMove, q, vp->mapToGlobal(q), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &ev);
        Settle();
      });
    }
    timed("drag: release", [&] { QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, p + QPoint(20, 15)); Settle(); });
    timed("undo of the move", [&] { e.Command(ID_EDIT_UNDO); });
    timed("redo of the move", [&] { e.Command(ID_EDIT_REDO); });
    e.Command(ID_EDIT_UNDO);
    timed("Tab", [&] { e.Key(Qt::Key_Tab); });
    e.Key(Qt::Key_Backtab);
    timed("Delete", [&] { e.Command(ID_EDIT_CLEAR); });
    timed("undo of a delete", [&] { e.Command(ID_EDIT_UNDO); });
    timed("cut", [&] { e.Command(ID_EDIT_CUT); });
    timed("paste", [&] { e.Command(ID_EDIT_PASTE); });
    e.Command(ID_EDIT_UNDO);
    e.Command(ID_EDIT_UNDO);
    timed("duplicate", [&] { e.Command(ID_EDIT_DUPLICATE); });
    e.Command(ID_EDIT_UNDO);
    timed("zoom 50 %", [&] { e.Command(ID_VIEW_ZOOM50); });
    timed("zoom 100 %", [&] { e.Command(ID_VIEW_ZOOM100); });
    // The event loop's part of an autosave: the state taken; the file is
    // written on the autosave's worker, waited for outside the timing.
    timed("autosave (the window's part)", [&] {
      const double cpu0 = ThreadCpuMs();
      e.app.Autosaver()->AutosaveNow();
      if (&e == &l) autosaveCpu.push_back(ThreadCpuMs() - cpu0);
    });
    e.app.Autosaver()->Flush();
  };
  std::vector<std::string> names;
  std::vector<std::vector<double>> ts, tl;
  for (int r = 0; r < 9; ++r) {
    Times a, b;
    round(s, a);
    round(l, b);
    if (names.empty()) {
      for (auto& [n, v] : a)
        if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
      ts.resize(names.size());
      tl.resize(names.size());
    }
    auto add = [&](Times& t, std::vector<std::vector<double>>& into) {
      for (auto& [n, v] : t) into[size_t(std::find(names.begin(), names.end(), n) - names.begin())].push_back(v);
    };
    add(a, ts);
    add(b, tl);
  }
  double worst = 0, autosave = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    const double a = Median(ts[i]), b = Median(tl[i]);
    if (names[i].rfind("autosave", 0) == 0) {
      // Measured against its own goal: the small page's few bytes are no yardstick.
      autosave = b;
      std::printf("  %-34s %9.2f %9.2f\n", names[i].c_str(), a, b);
      continue;
    }
    worst = std::max(worst, b / a);
    std::printf("  %-34s %9.2f %9.2f   %6.2fx\n", names[i].c_str(), a, b, b / a);
  }
  std::printf("  worst step ratio %.2fx (goal at most 2x); opening %.2fx (goal at most 1.5x)\n", worst,
              Median(openL) / Median(openS));
  std::printf("  autosave: the window waits %.2f ms at %zu areas (goal at most 16), %.2f ms of it on the processor\n",
              autosave, areas, Median(autosaveCpu));
  // What opening the small page took (the picture, the buffers) is no area's.
  std::printf("  memory: %.0f bytes per area with the page open (goal at most 600)\n",
              double(grown - grownSmall) / double(areas > 10 ? areas - 10 : 1));
  return 0;
}

// Times the editing view on a big map: 10,000 areas (rectangles, ellipses and
// 20-point polygons) over a 4000 x 3000 picture with 100 guides, in a
// 1280 x 800 window. Every figure is a ratio to one copy of the window's back
// buffer (what showing one frame costs), measured in the same run. Also
// measures how much heap 10,000 recorded moves of one area take, against
// 10,000 copies of that area made directly (pools take memory in chunks, so
// the figures move by a chunk or so).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "BenchAreas.h"
#include "model/ZorvaDoc.h"
#include "platform/Bitmap.h"
#include "view/EditCommands.h"
#include "view/HeadlessHost.h"
#include "view/ZorvaView.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename F>
double PerCall(int calls, F f) {
  // The best of five rounds, per call.
  double best = 1e30;
  for (int round = 0; round < 5; ++round) {
    auto t0 = Clock::now();
    for (int i = 0; i < calls; ++i) f(i);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count() / calls);
  }
  return best;
}

// Bytes of heap in use: every area, point block and record comes from it.
long HeapBytes() {
  const struct mallinfo2 m = mallinfo2();
  return long(m.uordblks + m.hblkhd);
}

struct Editor {
  CZorvaDoc doc;
  CHeadlessViewHost host;
  CHeadlessFrame frame;
  CMemoryPropertyPanel panel;
  std::unique_ptr<CZorvaView> view;

  // `packed`: every area inside the window instead of spread over the picture.
  explicit Editor(bool packed) {
    doc.m_sizePicture = {4000, 3000};
    doc.m_pBitmap = CBitmap::Create32(4000, 3000);
    for (int y = 0; y < 3000; ++y) {
      uint32_t* row = doc.m_pBitmap->Row32(y);
      for (int x = 0; x < 4000; ++x) row[x] = uint32_t(x * 7 ^ y * 13) & 0xFFFFFF;
    }
    doc.m_bPictureLoaded = true;
    const int w = packed ? 1200 : 3900, h = packed ? 720 : 2900;
    AddBenchAreas(doc, w, h, false);
    for (int i = 0; i < 100; ++i) {
      auto* g = new CGuide;
      g->m_bHorizontal = i % 2 == 0;
      g->m_nPos = 13 + i * 37;
      doc.m_listGuide.push_back(std::unique_ptr<CGuide>(g));
    }
    host.client = {1280, 800};
    view = std::make_unique<CZorvaView>(doc, host, frame, &panel);
    host.SetView(view.get());
    view->OnSize();
    view->OnUpdate();
    view->m_canvas.OnPaint();
  }

  // A polygon of its own at the bottom of the stack, away from the others.
  CArea* AddAtBottom(int x, int y) {
    auto* a = new CArea;
    a->m_nType = AREA_POLYGON;
    a->m_bClosed = true;
    for (int k = 0; k < 20; ++k) a->AddPoint(x + k * 3, y + (k % 2) * 9);
    a->SetBoundPoint(x, y);
    a->RecalcBound();
    doc.m_listArea.InsertAt(std::unique_ptr<CArea>(a), 0);
    return a;
  }

  void Click(const CPoint& p) {
    view->OnLButtonDown(MK_LBUTTON, p);
    view->OnLButtonUp(0, p);
  }
};

// Heap taken by 10,000 copies of one polygon (`moves` false) or by 10,000
// recorded moves of it (true), in a child process; -1 when it failed.
long HeapInChild(bool moves) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    Editor mem(false);
    CArea* area = mem.AddAtBottom(3950, 2960);
    mem.host.ScrollToPosition({4000, 3000});
    mem.Click(mem.view->m_coords.ToWindow(CPoint(3950, 2960)));
    std::vector<CArea*> copies;
    copies.reserve(10000);
    const long before = HeapBytes();
    for (int i = 0; i < 10000; ++i) {
      if (!moves) {
        copies.push_back(new CArea);
        copies.back()->CopyFrom(*area);
        continue;
      }
      const CPoint at = mem.view->m_coords.ToWindow(area->m_listPoint.front());
      const CPoint to(at.x + (i % 2 ? 8 : -8), at.y);
      mem.view->OnLButtonDown(MK_LBUTTON, at);
      mem.view->OnMouseMove(MK_LBUTTON, to);
      mem.view->OnLButtonUp(0, to);
    }
    const long used = HeapBytes() - before;
    if (write(fds[1], &used, sizeof used) != ssize_t(sizeof used)) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  long used = -1;
  if (read(fds[0], &used, sizeof used) != ssize_t(sizeof used)) used = -1;
  close(fds[0]);
  waitpid(pid, nullptr, 0);
  return used;
}

}  // namespace

int main() {
  std::printf("view benchmark: 10,000 areas, 4000 x 3000 picture, 1280 x 800 window, 100 guides\n");
  Editor spread(false);

  // The reference: one copy of the window's back buffer.
  const CDC& back = spread.view->m_canvas.BackBuffer();
  const size_t bytes = size_t(back.Width()) * back.Height() * 4;
  std::vector<uint32_t> frame(bytes / 4);
  const double copy = PerCall(200, [&](int) {
    std::memcpy(frame.data(), back.Bits(), bytes);
    asm volatile("" : : "r"(frame.data()) : "memory");
  });
  std::printf("  reference: one back-buffer copy        %8.1f us\n", copy * 1e6);
  auto report = [&](const char* what, double t, double goal) {
    std::printf("  %-40s %8.1f us  %6.3fx  (goal at most %gx)\n", what, t * 1e6, t / copy, goal);
  };

  // Clicks that pick one of two polygons at the bottom: the walk from the top
  // passes every other area, and each click draws the selection as a pair.
  CArea* bottom1 = spread.AddAtBottom(3950, 2960);
  CArea* bottom2 = spread.AddAtBottom(3950, 2985);
  spread.host.ScrollToPosition({4000, 3000});
  const CPoint c1 = spread.view->m_coords.ToWindow(CPoint(3950, 2960));
  const CPoint c2 = spread.view->m_coords.ToWindow(CPoint(3950, 2985));
  spread.Click(c1);
  if (spread.doc.m_pSelArea != bottom1) std::printf("  (the click did not pick the bottom area)\n");
  const double click = PerCall(200, [&](int i) { spread.Click(i % 2 ? c1 : c2); });
  report("click selecting a bottom-most area", click, 1);
  (void)bottom2;

  // One move of an arrow drag of the selected polygon.
  spread.Click(c1);
  spread.view->OnLButtonDown(MK_LBUTTON, CPoint(c1.x + 1, c1.y));
  const double move = PerCall(2000, [&](int i) {
    spread.view->OnMouseMove(MK_LBUTTON, CPoint(c1.x - 40 + (i % 2) * 11, c1.y - 30));
  });
  report("one move of an arrow drag", move, 0.1);
  spread.view->OnLButtonUp(0, CPoint(c1.x - 40, c1.y - 30));

  // Undo and redo of that move.
  double undo = 1e30, redo = 1e30;
  for (int round = 0; round < 50; ++round) {
    auto t0 = Clock::now();
    spread.view->m_edit->Undo();
    auto t1 = Clock::now();
    spread.view->m_edit->Redo();
    auto t2 = Clock::now();
    undo = std::min(undo, std::chrono::duration<double>(t1 - t0).count());
    redo = std::min(redo, std::chrono::duration<double>(t2 - t1).count());
  }
  report("undo of a move", undo, 1);
  report("redo of a move", redo, 1);

  // Full paint passes of the window.
  spread.host.ScrollToPosition({1000, 1000});
  const double paint = PerCall(20, [&](int) {
    spread.view->m_canvas.Invalidate();
    spread.view->m_canvas.OnPaint();
  });
  report("full paint, areas spread over the picture", paint, 10);
  Editor packed(true);
  const double paintPacked = PerCall(10, [&](int) {
    packed.view->m_canvas.Invalidate();
    packed.view->m_canvas.OnPaint();
  });
  // Every outline in view and overlapping: the work is drawing, not culling.
  report("full paint, all 10,000 areas in the window", paintPacked, 80);

  // Memory: 10,000 recorded moves of one polygon against 10,000 copies of
  // it, each measured in a child process that starts from the same state, so
  // that neither finds memory the other phase left in the pools.
  const long copyBytes = HeapInChild(false);
  const long moveBytes = HeapInChild(true);
  std::printf("  heap for 10,000 copies of the area      %8ld KiB (%ld bytes each)\n", copyBytes / 1024,
              copyBytes / 10000);
  std::printf("  heap for 10,000 recorded moves of it    %8ld KiB (%ld bytes each)  %6.3fx\n",
              moveBytes / 1024, moveBytes / 10000,
              copyBytes > 0 ? double(moveBytes) / double(copyBytes) : 0.0);
  return 0;
}

#pragma once
// The view's surroundings without a display: a window that keeps its client
// size, scroll position, capture, cursor, pointer and keys in memory; a frame
// with its tool selection and rulers; a property panel of plain values. Used
// by zorva-cli replay, the tests and the benchmarks.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "view/Ruler.h"
#include "view/ToolSelection.h"
#include "view/ViewHost.h"

class CZorvaView;

class CHeadlessViewHost : public IViewHost {
 public:
  // The view scrolled through ScrollToPosition is told of it.
  void SetView(CZorvaView* view) { m_pView = view; }

  CSize GetClientSize() override { return client; }
  CPoint GetScrollPosition() override { return scroll; }
  void SetScrollSizes(const CSize& total, const CSize& page, const CSize& line) override;
  void ScrollToPosition(const CPoint& position) override;
  void ShowRect(const CRect& rc, bool now) override;
  void SetCapture() override { captured = true; }
  void ReleaseCapture() override { captured = false; }
  bool HasCapture() override { return captured; }
  void SetCursor(ViewCursor c) override { cursor = c; }
  CPoint GetPointerPos() override { return pointer; }
  void MovePointer(const CPoint& client) override { pointer = client; }
  bool IsKeyDown(unsigned vk) override;
  void PostMouseMove(const CPoint& client, unsigned flags) override;

  // Hands the posted mouse moves to the view, in order.
  void DeliverPosted();

  CSize client{800, 600};
  CPoint scroll;
  CSize total, page, line;
  bool captured = false;
  ViewCursor cursor = ViewCursor::Arrow;
  CPoint pointer;
  std::map<unsigned, bool> keys;
  struct PostedMove {
    CPoint client;
    unsigned flags;
  };
  std::deque<PostedMove> posted;
  int shownNow = 0;
  int shownLater = 0;

 private:
  CZorvaView* m_pView = nullptr;
};

class CHeadlessFrame : public IViewFrame {
 public:
  void ToolChanged(ToolId current, ToolId chosen) override {
    currentTool = current;
    chosenTool = chosen;
    ++toolChanges;
  }
  // The tool box as the view last told it.
  ToolId GetCurrentTool() const { return currentTool; }
  CRuler* GetRuler(bool vertical) override { return vertical ? &vRuler : &hRuler; }
  void ShowRulers(bool show) override { rulersShown = show; }
  void SetZoomComboIndex(int index) override { zoomIndex = index; }
  void SetStatusPane(int pane, const std::string& text) override { panes[pane] = text; }
  void AreaListReset() override { ++areaListResets; }
  void AreaListRowInserted(int row) override { rowsInserted.push_back(row); }
  void AreaListRowRemoved(int row) override { rowsRemoved.push_back(row); }
  void AreaListRowChanged(int row) override { rowsChanged.push_back(row); }
  void AreaListSelect(int row) override {
    ++listSelects;
    listSelected = row;
  }

  ToolId currentTool = ID_TOOL_ARROW;
  ToolId chosenTool = ID_TOOL_ARROW;
  int toolChanges = 0;
  CRuler hRuler{false};
  CRuler vRuler{true};
  bool rulersShown = true;
  int zoomIndex = 1;
  std::map<int, std::string> panes;
  // What the view told the area list, in order of arrival.
  int areaListResets = 0;
  std::vector<int> rowsInserted, rowsRemoved, rowsChanged;
  int listSelects = 0;
  int listSelected = -1;
};

class CMemoryPropertyPanel : public IPropertyPanel {
 public:
  std::string GetText(int id) override { return texts[id]; }
  void SetText(int id, const std::string& text) override { texts[id] = text; }
  bool GetCheck(int id) override { return checks[id]; }
  void SetCheck(int id, bool checked) override { checks[id] = checked; }
  bool IsEnabled(int id) override;
  void Enable(int id, bool enabled) override { enabled_[id] = enabled; }
  int GetCurSel(int id) override;
  void SetCurSel(int id, int index) override { selections[id] = index; }
  void ResetRows(int) override { rows.clear(); }
  void AddRow(int, const std::string& text) override { rows.push_back({text, false}); }
  int GetRowCount(int) override { return int(rows.size()); }
  std::string GetRowText(int id, int row) override;
  bool GetRowSel(int id, int row) override;
  void SetRowSel(int id, int row, bool selected) override;

  struct Row {
    std::string text;
    bool selected;
  };
  std::map<int, std::string> texts;
  std::map<int, bool> checks;
  std::map<int, bool> enabled_;
  std::map<int, int> selections;
  std::vector<Row> rows;
};

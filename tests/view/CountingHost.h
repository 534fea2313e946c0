#pragma once
// The headless host, frame and panel with every call from the view counted
// by name, so a test can hold the traffic between the editing core and the
// window to what a change needs.
#include <map>
#include <string>

#include "view/HeadlessHost.h"

namespace zorva::test {

struct CallCounts {
  std::map<std::string, int> byName;
  int Total() const {
    int n = 0;
    for (const auto& [name, count] : byName) n += count;
    return n;
  }
  int Of(const std::string& name) const {
    const auto it = byName.find(name);
    return it == byName.end() ? 0 : it->second;
  }
  std::string Describe() const {
    std::string s;
    for (const auto& [name, count] : byName) s += name + "=" + std::to_string(count) + " ";
    return s;
  }
  void Clear() { byName.clear(); }
};

class CCountingViewHost : public CHeadlessViewHost {
 public:
  explicit CCountingViewHost(CallCounts& c) : m_c(c) {}
  CSize GetClientSize() override { return Count("GetClientSize"), CHeadlessViewHost::GetClientSize(); }
  CPoint GetScrollPosition() override { return Count("GetScrollPosition"), CHeadlessViewHost::GetScrollPosition(); }
  void SetScrollSizes(const CSize& t, const CSize& p, const CSize& l) override {
    Count("SetScrollSizes");
    CHeadlessViewHost::SetScrollSizes(t, p, l);
  }
  void ScrollToPosition(const CPoint& p) override {
    Count("ScrollToPosition");
    CHeadlessViewHost::ScrollToPosition(p);
  }
  void ShowRect(const CRect& rc, bool now) override {
    Count("ShowRect");
    CHeadlessViewHost::ShowRect(rc, now);
  }
  void SetCapture() override { Count("SetCapture"), CHeadlessViewHost::SetCapture(); }
  void ReleaseCapture() override { Count("ReleaseCapture"), CHeadlessViewHost::ReleaseCapture(); }
  bool HasCapture() override { return Count("HasCapture"), CHeadlessViewHost::HasCapture(); }
  void SetCursor(ViewCursor c) override { Count("SetCursor"), CHeadlessViewHost::SetCursor(c); }
  CPoint GetPointerPos() override { return Count("GetPointerPos"), CHeadlessViewHost::GetPointerPos(); }
  void MovePointer(const CPoint& p) override { Count("MovePointer"), CHeadlessViewHost::MovePointer(p); }
  bool IsKeyDown(unsigned vk) override { return Count("IsKeyDown"), CHeadlessViewHost::IsKeyDown(vk); }
  void PostMouseMove(const CPoint& p, unsigned f) override {
    Count("PostMouseMove");
    CHeadlessViewHost::PostMouseMove(p, f);
  }

 private:
  void Count(const char* name) { ++m_c.byName[name]; }
  CallCounts& m_c;
};

class CCountingFrame : public CHeadlessFrame {
 public:
  explicit CCountingFrame(CallCounts& c) : m_c(c) {}
  void ToolChanged(ToolId current, ToolId chosen) override {
    Count("ToolChanged");
    CHeadlessFrame::ToolChanged(current, chosen);
  }
  CRuler* GetRuler(bool v) override { return Count("GetRuler"), CHeadlessFrame::GetRuler(v); }
  void ShowRulers(bool s) override { Count("ShowRulers"), CHeadlessFrame::ShowRulers(s); }
  void SetZoomComboIndex(int i) override { Count("SetZoomComboIndex"), CHeadlessFrame::SetZoomComboIndex(i); }
  void SetStatusPane(int p, const std::string& t) override {
    Count("SetStatusPane");
    CHeadlessFrame::SetStatusPane(p, t);
  }
  void AreaListReset() override { Count("AreaListReset"), CHeadlessFrame::AreaListReset(); }
  void AreaListRowInserted(int r) override { Count("AreaListRowInserted"), CHeadlessFrame::AreaListRowInserted(r); }
  void AreaListRowRemoved(int r) override { Count("AreaListRowRemoved"), CHeadlessFrame::AreaListRowRemoved(r); }
  void AreaListRowChanged(int r) override { Count("AreaListRowChanged"), CHeadlessFrame::AreaListRowChanged(r); }
  void AreaListSelect(int r) override { Count("AreaListSelect"), CHeadlessFrame::AreaListSelect(r); }

 private:
  void Count(const char* name) { ++m_c.byName[name]; }
  CallCounts& m_c;
};

// The panel's own writing of a whole content (Show, control by control) is
// the window's business: it counts as the one call the core made.
class CCountingPanel : public CMemoryPropertyPanel {
 public:
  explicit CCountingPanel(CallCounts& c) : m_c(c) {}
  void Show(const PanelContent& content, bool withRows) override {
    Count("panel.Show");
    ++m_inside;
    CMemoryPropertyPanel::Show(content, withRows);
    --m_inside;
  }
  std::string GetText(int id) override { return Count("panel.GetText"), CMemoryPropertyPanel::GetText(id); }
  void SetText(int id, const std::string& t) override {
    Count("panel.SetText");
    CMemoryPropertyPanel::SetText(id, t);
  }
  bool GetCheck(int id) override { return Count("panel.GetCheck"), CMemoryPropertyPanel::GetCheck(id); }
  void SetCheck(int id, bool c) override { Count("panel.SetCheck"), CMemoryPropertyPanel::SetCheck(id, c); }
  bool IsEnabled(int id) override { return Count("panel.IsEnabled"), CMemoryPropertyPanel::IsEnabled(id); }
  void Enable(int id, bool e) override { Count("panel.Enable"), CMemoryPropertyPanel::Enable(id, e); }
  int GetCurSel(int id) override { return Count("panel.GetCurSel"), CMemoryPropertyPanel::GetCurSel(id); }
  void SetCurSel(int id, int i) override { Count("panel.SetCurSel"), CMemoryPropertyPanel::SetCurSel(id, i); }
  void ResetRows(int id) override { Count("panel.ResetRows"), CMemoryPropertyPanel::ResetRows(id); }
  void AddRow(int id, const std::string& t) override { Count("panel.AddRow"), CMemoryPropertyPanel::AddRow(id, t); }
  int GetRowCount(int id) override { return Count("panel.GetRowCount"), CMemoryPropertyPanel::GetRowCount(id); }
  std::string GetRowText(int id, int r) override {
    return Count("panel.GetRowText"), CMemoryPropertyPanel::GetRowText(id, r);
  }
  bool GetRowSel(int id, int r) override { return Count("panel.GetRowSel"), CMemoryPropertyPanel::GetRowSel(id, r); }
  void SetRowSel(int id, int r, bool s) override {
    Count("panel.SetRowSel");
    CMemoryPropertyPanel::SetRowSel(id, r, s);
  }

 private:
  void Count(const char* name) {
    if (m_inside == 0) ++m_c.byName[name];
  }
  CallCounts& m_c;
  int m_inside = 0;
};

}  // namespace zorva::test

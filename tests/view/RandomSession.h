#pragma once
// Random editing sessions: a random document, then random gestures, keys,
// commands and panel edits driven through the view as a user would. Shared by
// the property test and the fuzz target; the choices come from a byte source,
// so a fuzzer's input or a seeded generator decides everything.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ViewFixture.h"
#include "model/DocumentFile.h"
#include "view/Accelerators.h"
#include "view/AreaList.h"
#include "view/PanelPoints.h"
#include "view/ViewKeys.h"

namespace zorva::test {

class ByteSource {
 public:
  // Fuzzer bytes; when they run out every answer is 0.
  ByteSource(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
  explicit ByteSource(uint32_t seed) : m_rng(seed), m_random(true) {}

  uint32_t Next() {
    if (m_random) return m_rng();
    if (m_pos + 4 > m_size) {
      m_pos = m_size;
      return 0;
    }
    uint32_t v = uint32_t(m_data[m_pos]) | uint32_t(m_data[m_pos + 1]) << 8 |
                 uint32_t(m_data[m_pos + 2]) << 16 | uint32_t(m_data[m_pos + 3]) << 24;
    m_pos += 4;
    return v;
  }
  int Below(int n) { return n <= 0 ? 0 : int(Next() % uint32_t(n)); }
  int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(int percent) { return Below(100) < percent; }
  bool Exhausted() const { return !m_random && m_pos >= m_size; }

 private:
  const uint8_t* m_data = nullptr;
  size_t m_size = 0;
  size_t m_pos = 0;
  std::mt19937 m_rng;
  bool m_random = false;
};

// The document's project bytes as far as the history answers for them. The
// file also keeps the last gesture's press and anchor points, which no record
// covers; they are left out.
inline std::string HistoryBytes(CZorvaDoc& doc) {
  const CPoint press = doc.m_ptPress, anchor = doc.m_ptAnchor;
  doc.m_ptPress = doc.m_ptAnchor = CPoint();
  std::string bytes = zorva::StoreProjectStream(doc);
  doc.m_ptPress = press;
  doc.m_ptAnchor = anchor;
  return bytes;
}

class RandomSession {
 public:
  RandomSession(ViewFixture& f, ByteSource& src) : m_f(f), m_src(src) {}

  void MakeDocument() {
    const int areas = m_src.Below(7);
    for (int i = 0; i < areas; ++i) {
      const int x = m_src.Range(0, 380), y = m_src.Range(0, 280);
      CArea* a = nullptr;
      switch (m_src.Below(3)) {
        case 0: a = m_f.AddRect(x, y, x + m_src.Range(0, 60), y + m_src.Range(0, 60)); break;
        case 1: a = m_f.AddEllipse(x, y, x + m_src.Range(0, 60), y + m_src.Range(0, 60)); break;
        default: {
          a = m_f.AddPolygon({{x, y}}, m_src.Chance(50));
          const int n = m_src.Range(1, 6);
          for (int k = 0; k < n; ++k) a->AddPoint(x + m_src.Range(-40, 40), y + m_src.Range(-40, 40));
          a->RecalcBound();
        }
      }
      a->m_strHref = "p" + std::to_string(i) + ".html";
      a->UpdateHtmlShape(true);
    }
    const int guides = m_src.Below(4);
    for (int i = 0; i < guides; ++i) m_f.AddGuide(m_src.Chance(50), m_src.Range(0, 300));
  }

  // Runs `steps` random actions.
  void Run(int steps) {
    for (int i = 0; i < steps && !m_src.Exhausted(); ++i) {
      Step();
    }
    // Keys still held are let go and a gesture still running is ended, the
    // way a user would.
    for (unsigned vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_SPACE})
      if (m_f.host.IsKeyDown(vk)) KeyUp(vk);
    m_f.host.DeliverPosted();
    m_f.view->CancelGesture();
  }

  // One line per action, to reproduce a failing session by hand.
  const std::string& Trace() const { return m_trace; }

 private:
  // A picture point, often near an existing vertex so that picks happen.
  CPoint Point() {
    if (!m_f.doc.m_listArea.empty() && m_src.Chance(60)) {
      const CArea* a = *std::next(m_f.doc.m_listArea.begin(),
                                  m_src.Below(int(m_f.doc.m_listArea.size())));
      if (!a->m_listPoint.empty()) {
        const CPoint& p = *std::next(a->m_listPoint.begin(), m_src.Below(int(a->m_listPoint.size())));
        return CPoint(p.x + m_src.Range(-7, 7), p.y + m_src.Range(-7, 7));
      }
    }
    return CPoint(m_src.Range(-20, 420), m_src.Range(-20, 320));
  }

  unsigned Mods() {
    unsigned m = 0;
    if (m_src.Chance(20)) m |= MK_SHIFT;
    if (m_src.Chance(15)) m |= MK_ALT;
    return m;
  }

  // Modifier bits as the host reports them: the key states follow the flags.
  void HoldMods(unsigned m) {
    m_f.host.keys[VK_SHIFT] = (m & MK_SHIFT) != 0;
    m_f.host.keys[VK_MENU] = (m & MK_ALT) != 0;
  }

  void Gesture() {
    const unsigned m = Mods();
    HoldMods(m);
    CPoint p = Point();
    Log("press " + Pt(p) + " mods " + std::to_string(m));
    m_f.Press(p.x, p.y, m & MK_SHIFT);
    const int moves = m_src.Below(5);
    for (int k = 0; k < moves; ++k) {
      p = m_src.Chance(50) ? Point() : CPoint(p.x + m_src.Range(-12, 12), p.y + m_src.Range(-12, 12));
      Log("move " + Pt(p));
      m_f.Move(p.x, p.y, m & MK_SHIFT);
      m_f.host.DeliverPosted();
    }
    if (m_src.Chance(10)) {
      Log("rpress " + Pt(p));
      m_f.RightPress(p.x, p.y);
    } else if (m_src.Chance(8)) {
      Command();  // a command in the middle of a gesture
    }
    Log("release " + Pt(p));
    m_f.Release(p.x, p.y, m & MK_SHIFT);
    HoldMods(0);
  }

  void RulerGesture() {
    const bool vertical = m_src.Chance(50);
    Log(std::string("ruler ") + (vertical ? "left" : "top"));
    m_f.view->OnRulerPress(vertical);
    CPoint p = Point();
    for (int k = m_src.Range(1, 3); k > 0; --k) {
      p = Point();
      Log("move " + Pt(p));
      m_f.Move(p.x, p.y);
    }
    Log("release " + Pt(p));
    m_f.Release(p.x, p.y);
  }

  void KeyUp(unsigned vk) {
    Log("key " + std::to_string(vk) + " up");
    m_f.host.keys[vk] = false;
    m_f.view->m_keys->OnKeyUp(vk);
  }

  void Key() {
    static const unsigned keys[] = {VK_SHIFT, VK_CONTROL, VK_MENU, VK_SPACE, VK_TAB, '0', '1', '2',
                                    '3',      '4',        '5',     '6',      '7',    'T', VK_DELETE,
                                    VK_BACK,  'Z',        'Y',     'C',      'V',    'X', 'D'};
    const unsigned vk = keys[m_src.Below(int(std::size(keys)))];
    if (m_src.Chance(40) && m_f.host.IsKeyDown(vk)) {
      KeyUp(vk);
    } else {
      const bool repeat = m_f.host.IsKeyDown(vk);
      Log("key " + std::to_string(vk) + " down");
      m_f.host.keys[vk] = true;
      unsigned mods = 0;
      if (m_f.host.IsKeyDown(VK_SHIFT)) mods |= kModShift;
      if (m_f.host.IsKeyDown(VK_CONTROL)) mods |= kModCtrl;
      if (m_f.host.IsKeyDown(VK_MENU)) mods |= kModAlt;
      if (unsigned cmd = FindAccelerator(vk, mods); cmd && m_f.view->OnCommand(cmd)) {
        // the accelerator took it
      } else {
        m_f.view->m_keys->OnKeyDown(vk, repeat);
      }
      if (vk != VK_SHIFT && vk != VK_CONTROL && vk != VK_MENU && vk != VK_SPACE) KeyUp(vk);
    }
    m_f.host.DeliverPosted();
  }

  void Command() {
    static const unsigned cmds[] = {ID_EDIT_UNDO,  ID_EDIT_REDO,   ID_EDIT_CUT,   ID_EDIT_COPY,
                                    ID_EDIT_PASTE, ID_EDIT_CLEAR,  ID_EDIT_DUPLICATE,
                                    ID_VIEW_ZOOM50, ID_VIEW_ZOOM100, ID_VIEW_ZOOM200,
                                    ID_VIEW_GUIDE, ID_VIEW_RULER,  ID_IMAGE_LIGHT, ID_IMAGE_SHOW};
    const unsigned cmd = cmds[m_src.Below(int(std::size(cmds)))];
    Log("command " + std::to_string(cmd));
    m_f.view->OnCommand(cmd);
  }

  void PanelEdit() {
    // The default area's attributes are not recorded in the history.
    if (!m_f.doc.m_pSelArea) return;
    CMemoryPropertyPanel& p = m_f.panel;
    const int what = m_src.Below(6);
    Log("panel " + std::to_string(what));
    switch (what) {
      case 0: p.SetText(IDC_URL, "u" + std::to_string(m_src.Below(5))); break;
      case 1: p.SetCurSel(IDC_TYPE, m_src.Below(4)); break;
      case 2: p.SetCheck(IDC_CLOSED, !p.GetCheck(IDC_CLOSED)); break;
      case 3: p.SetCheck(IDC_JAVASCRIPT, !p.GetCheck(IDC_JAVASCRIPT)); break;
      case 4:
        if (!p.rows.empty())
          p.rows[size_t(m_src.Below(int(p.rows.size())))].text =
              FormatPointRow(CPoint(m_src.Range(-99999, 99999), m_src.Range(-50, 400)));
        break;
      default:
        for (auto& row : p.rows) row.selected = m_src.Chance(30);
        m_f.view->m_panel->Apply(PanelChange::PointSelection);
        return;
    }
    m_f.view->m_panel->Apply(PanelChange::Edit);
  }

  void RowClick() {
    const auto rows = AreaListRows(m_f.doc);
    const int row = m_src.Below(int(rows.size()));
    Log("row " + std::to_string(row));
    m_f.view->m_panel->SelectFromList(row, rows[size_t(row)].area);
  }

  void Step() {
    const ToolId tools[] = {ID_TOOL_ARROW,   ID_TOOL_RECT,     ID_TOOL_ELLIPSE, ID_TOOL_POLYGON,
                         ID_TOOL_LINE,    ID_TOOL_FREEHAND, ID_TOOL_ZOOM};
    switch (m_src.Below(16)) {
      case 0: case 1: {
        const ToolId tool = tools[m_src.Below(7)];
        Log("tool " + std::to_string(tool));
        m_f.Tool(tool);
        break;
      }
      case 2: case 3: case 4: case 5: case 6: Gesture(); break;
      case 7: RulerGesture(); break;
      case 8: case 9: Key(); break;
      case 10: case 11: Command(); break;
      case 12: case 13: PanelEdit(); break;
      case 14: RowClick(); break;
      default: {
        CPoint p = Point();
        Log("rpress " + Pt(p));
        m_f.RightPress(p.x, p.y);
        break;
      }
    }
  }


  void Log(const std::string& line) {
    if (m_trace.size() < 200000) m_trace += line + "\n";
  }
  static std::string Pt(const CPoint& p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

  ViewFixture& m_f;
  ByteSource& m_src;
  std::string m_trace;
};

// Runs a whole random session and checks the history: undoing everything
// gives the first document back, redoing it all the last one. (Whether the
// back buffer equals a fresh paint is not checked here: a selection drawn
// incrementally lies over areas stacked above it until the next repaint.) Returns an
// empty string on success, else what went wrong.
inline std::string CheckSessionHistory(ByteSource& src, int steps) {
  ViewFixture f;
  RandomSession s(f, src);
  s.MakeDocument();
  f.view->OnUpdate();
  // The order of areas and guides counts too: it decides which area a
  // browser gives a shared pixel to.
  const std::string first = HistoryBytes(f.doc);
  s.Run(steps);
  auto fail = [&s](const char* what) { return std::string(what) + "\n" + s.Trace(); };
  const std::string last = HistoryBytes(f.doc);
  int undos = 0;
  while (f.doc.CanUndo() && undos < 100000) f.view->OnCommand(ID_EDIT_UNDO), ++undos;
  if (HistoryBytes(f.doc) != first) return fail("undoing everything did not restore the document");
  if (f.doc.IsModified()) return fail("the document is still modified after undoing everything");
  // The session may have ended with records undone; redoing as many steps as
  // were undone comes back to where it ended.
  for (int i = 0; i < undos; ++i) f.view->OnCommand(ID_EDIT_REDO);
  if (HistoryBytes(f.doc) != last) return fail("redoing everything did not give the last document");
  while (f.doc.CanRedo()) f.view->OnCommand(ID_EDIT_REDO);
  return {};
}

}  // namespace zorva::test

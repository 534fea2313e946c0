#include "cli/ReplaySession.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "cli/CliDocument.h"
#include "platform/FileSystem.h"
#include "platform/CodePage.h"
#include "view/Accelerators.h"
#include "view/PanelFields.h"
#include "view/PanelPoints.h"
#include "view/ViewKeys.h"
#include "view/ViewPanel.h"

namespace zorva::cli {

namespace {

// The modifier keys a line names are down for that line's event only; the
// keys held by "key ... down" lines stay as they are.
class HeldForEvent {
 public:
  HeldForEvent(CHeadlessViewHost& host, unsigned mods, unsigned ownKey) : m_host(host) {
    for (const auto& [mod, vk] : kModifierKeys) {
      if (!(mods & mod) || vk == ownKey) continue;
      m_restore.push_back({vk, m_host.IsKeyDown(vk)});
      m_host.keys[vk] = true;
    }
  }
  ~HeldForEvent() {
    for (const auto& [vk, down] : m_restore) m_host.keys[vk] = down;
  }
  HeldForEvent(const HeldForEvent&) = delete;
  HeldForEvent& operator=(const HeldForEvent&) = delete;

 private:
  static constexpr std::pair<unsigned, unsigned> kModifierKeys[] = {
      {kModShift, VK_SHIFT}, {kModCtrl, VK_CONTROL}, {kModAlt, VK_MENU}};
  CHeadlessViewHost& m_host;
  std::vector<std::pair<unsigned, bool>> m_restore;
};

std::string Rows(size_t count) { return std::to_string(count) + (count == 1 ? " row" : " rows"); }

}  // namespace

void CReplaySession::CountingLoader::Start(CZorvaDoc& doc, PictureFormat format) {
  ++starts;
  loader.Start(doc, format);
}

CReplaySession::CReplaySession(const HtmlOptions& options) {
  m_docHost.imageChoice = options.image;
  m_docHost.unclosedAnswer = options.unclosed;
  m_docHost.shapeAnswer = options.shape;
  m_doc.SetPictureLoader(&m_loader);
  m_viewHost.SetView(&m_view);
  m_view.OnSize();
}

bool CReplaySession::Open(const CString& path) {
  const int messages = m_docHost.MessageCount();
  if (!OpenLikeEditor(m_doc, m_docHost, path)) return false;
  // The framework updates the view of a newly opened document at once; the
  // decoded picture follows with the loader's message.
  m_view.OnUpdate();
  m_loader.loader.WaitIdle();
  Settle();
  if (m_loader.starts > 0 && !m_doc.m_bPictureLoaded) {
    // A page or project whose picture has gone opens without it, as in the
    // window; a picture that is there but cannot be read stops the replay.
    if (m_doc.m_strPicturePath != path && !FileExists(m_doc.m_strPicturePath)) {
      std::fprintf(stderr, "%s: the picture is missing; going on without it\n",
                   Cp932ToUtf8(m_doc.m_strPicturePath).c_str());
      return true;
    }
    if (m_docHost.MessageCount() == messages)
      std::fprintf(stderr, "%s: the picture could not be loaded\n", Cp932ToUtf8(m_doc.m_strPicturePath).c_str());
    return false;
  }
  return true;
}

bool CReplaySession::Run(const std::vector<ReplayCommand>& script, ReplayError& error,
                         ISettingsStore* pageSettings) {
  m_doc.SetSettingsStore(pageSettings);
  for (const ReplayCommand& c : script) {
    std::string reason;
    if (!Execute(c, reason)) {
      error = {c.line, c.source, reason};
      m_doc.SetSettingsStore(nullptr);
      return false;
    }
    Settle();
  }
  m_doc.SetSettingsStore(nullptr);
  return true;
}

bool CReplaySession::Save(const CString& path, ISettingsStore* pageSettings) {
  // A drag still running when the script ends would leave its working copy
  // in what is saved; it ends as a right press would end it.
  m_view.CancelGesture();
  Settle();
  if (!pageSettings) return m_doc.OnSaveDocument(path);
  m_doc.SetSettingsStore(pageSettings);
  const bool written = m_doc.WriteHtml(path);
  m_doc.SetSettingsStore(nullptr);
  return written;
}

bool CReplaySession::Execute(const ReplayCommand& c, std::string& reason) {
  switch (c.op) {
    case ReplayOp::Size:
      m_viewHost.client = CSize{c.point.x, c.point.y};
      m_view.OnSize();
      return true;
    case ReplayOp::Scroll:
      m_viewHost.ScrollToPosition(c.point);
      return true;
    case ReplayOp::Tool:
      // While the view holds the capture the tool box cannot be clicked; a
      // script that does so ends the gesture first, as the tool keys do, so
      // that no tool is handed a gesture another tool started.
      m_view.CancelGesture();
      m_view.ChooseTool(ToolId(c.id));
      return true;
    case ReplayOp::Press:
    case ReplayOp::Move:
    case ReplayOp::Release:
    case ReplayOp::RightPress:
      Mouse(c);
      return true;
    case ReplayOp::Key:
    case ReplayOp::KeyPress: {
      HeldForEvent held(m_viewHost, c.mods, c.id);
      if (c.op == ReplayOp::KeyPress) {
        Key(c.id, true);
        Key(c.id, false);
      } else {
        Key(c.id, c.on);
      }
      m_viewHost.DeliverPosted();
      return true;
    }
    case ReplayOp::Ruler:
      m_viewHost.pointer = c.point;
      m_view.OnRulerPress(c.on);
      return true;
    case ReplayOp::Command:
      if (c.id == ID_EDIT_CLEAR_ALL) ClearAll();
      else m_view.OnCommand(c.id);  // a disabled command is ignored there
      return true;
    case ReplayOp::Panel:
      return Panel(c, reason);
    case ReplayOp::Apply:
      // Scripts say 1 for a change of the point rows' selection alone, as the
      // panel's notice did; any other number is an edit.
      m_view.m_panel->Apply(c.number == 1 ? PanelChange::PointSelection : PanelChange::Edit);
      return true;
    case ReplayOp::Row:
      if (size_t(c.number) >= m_frame.rows.size()) {
        reason = "the area list has " + Rows(m_frame.rows.size());
        return false;
      }
      m_view.m_panel->SelectFromList(c.number, m_frame.rows[size_t(c.number)].area);
      return true;
    case ReplayOp::Answer:
      m_docHost.SetAnswer(c.number);
      return true;
    case ReplayOp::State: {
      const std::string line = StateLine() + "\n";
      std::fwrite(line.data(), 1, line.size(), stdout);
      std::fflush(stdout);
      return true;
    }
  }
  return true;
}

void CReplaySession::Mouse(const ReplayCommand& c) {
  HeldForEvent held(m_viewHost, c.mods, 0);
  unsigned flags = 0;
  if (m_viewHost.IsKeyDown(VK_SHIFT)) flags |= MK_SHIFT;
  if (m_viewHost.IsKeyDown(VK_CONTROL)) flags |= MK_CONTROL;
  m_viewHost.pointer = c.point;
  // The window system asks for the cursor before every mouse message over
  // the view, except while the view holds the capture.
  const CSize client = m_viewHost.client;
  if (!m_viewHost.HasCapture() && c.point.x >= 0 && c.point.y >= 0 && c.point.x < client.cx &&
      c.point.y < client.cy)
    m_view.OnSetCursor();
  switch (c.op) {
    case ReplayOp::Press: m_view.OnLButtonDown(flags | MK_LBUTTON, c.point); break;
    case ReplayOp::Move: m_view.OnMouseMove(flags | MK_LBUTTON, c.point); break;
    case ReplayOp::Release: m_view.OnLButtonUp(flags, c.point); break;
    default: m_view.OnRButtonDown(flags | MK_RBUTTON, c.point); break;
  }
  m_viewHost.DeliverPosted();
}

void CReplaySession::Key(unsigned vk, bool down) {
  if (!down) {
    m_viewHost.keys[vk] = false;
    m_view.m_keys->OnKeyUp(vk);
    return;
  }
  const bool repeat = m_viewHost.IsKeyDown(vk);
  m_viewHost.keys[vk] = true;
  unsigned mods = 0;
  if (m_viewHost.IsKeyDown(VK_SHIFT)) mods |= kModShift;
  if (m_viewHost.IsKeyDown(VK_CONTROL)) mods |= kModCtrl;
  if (m_viewHost.IsKeyDown(VK_MENU)) mods |= kModAlt;
  // The frame translates accelerators before the view sees the key.
  if (const unsigned command = FindAccelerator(vk, mods)) {
    CCmdState state;
    if (m_view.OnUpdateCommand(command, state)) {
      m_view.OnCommand(command);
      return;
    }
  }
  m_view.m_keys->OnKeyDown(vk, repeat);
}

bool CReplaySession::Panel(const ReplayCommand& c, std::string& reason) {
  const int rowCount = m_panel.GetRowCount(IDC_POINTS);
  switch (c.field) {
    case PanelField::Text: m_panel.SetText(AreaTextControl(c.textId), c.text); break;
    case PanelField::JavaScript: m_panel.SetCheck(IDC_JAVASCRIPT, c.on); break;
    case PanelField::Closed: m_panel.SetCheck(IDC_CLOSED, c.on); break;
    case PanelField::Type: m_panel.SetCurSel(IDC_TYPE, c.number); break;
    case PanelField::Point:
      if (c.number >= rowCount) {
        reason = "the point list has " + Rows(size_t(rowCount));
        return false;
      }
      m_panel.rows[size_t(c.number)].text = FormatPointRow(c.point);
      break;
    case PanelField::Rows:
      for (int32_t row : c.rows)
        if (row >= rowCount) {
          reason = "the point list has " + Rows(size_t(rowCount));
          return false;
        }
      for (int row = 0; row < rowCount; ++row)
        m_panel.SetRowSel(IDC_POINTS, row, std::find(c.rows.begin(), c.rows.end(), row) != c.rows.end());
      break;
  }
  return true;
}

void CReplaySession::ClearAll() {
  // The clearing deletes what a running gesture works on; the view's own
  // commands end a gesture first in the same way.
  m_view.CancelGesture();
  if (m_doc.OnEditClearAll()) m_view.OnUpdate();
}

void CReplaySession::Settle() {
  m_viewHost.DeliverPosted();
  HandToView();
  // A scroll bar whose range shrank (a smaller picture, a lower zoom, a
  // larger window) moves its position back inside the range.
  m_viewHost.ScrollToPosition(m_viewHost.scroll);
  m_view.m_canvas.OnPaint();
}

void CReplaySession::HandToView() {
  m_docHost.ViewMessages().Drain([this](const Message& m) {
    if (m.msg == UM_LOADNOTIFY) m_view.OnLoadNotify(m.wParam, m.lParam);
  });
}

}  // namespace zorva::cli

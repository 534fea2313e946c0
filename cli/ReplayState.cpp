// The state line of zorva-cli replay: what a tester of the view looks at,
// as one JSON object.
#include <algorithm>

#include "cli/DocumentJson.h"
#include "cli/ReplaySession.h"

namespace zorva::cli {

namespace {

const char* CursorName(ViewCursor cursor) {
  switch (cursor) {
    case ViewCursor::Arrow: return "arrow";
    case ViewCursor::ArrowCopy: return "arrow-copy";
    case ViewCursor::Cross: return "cross";
    case ViewCursor::CrossCentre: return "cross-centre";
    case ViewCursor::ZoomIn: return "zoom-in";
    case ViewCursor::ZoomOut: return "zoom-out";
    case ViewCursor::Hand: return "hand";
    case ViewCursor::Trace: return "trace";
  }
  return "unknown";
}

// The state line's numbers for the picture display, which scripts and their
// testers compare: 2 shown, 1 light, 0 hidden.
int ImageModeNumber(ImageMode mode) {
  switch (mode) {
    case ImageMode::Show: return 2;
    case ImageMode::Light: return 1;
    case ImageMode::Hidden: return 0;
  }
  return 2;
}

class StateJson {
 public:
  StateJson& Key(const char* key) {
    m_text += m_text.size() > 1 ? "," : "";
    AppendJsonString(m_text, key);
    m_text += ':';
    return *this;
  }
  void Int(int64_t v) { m_text += std::to_string(v); }
  void Bool(bool v) { m_text += v ? "true" : "false"; }
  void Text(std::string_view utf8) { AppendJsonString(m_text, utf8); }
  std::string Close() { return m_text + "}"; }
  std::string m_text = "{";
};

}  // namespace

std::string CReplaySession::StateLine() {
  StateJson j;
  j.Key("zoom").Int(m_view.m_coords.m_zoom.Percent());
  const CPoint scroll = m_view.m_coords.GetScroll();
  j.Key("scroll").m_text += "[" + std::to_string(scroll.x) + "," + std::to_string(scroll.y) + "]";
  j.Key("tool").Text(ToolName(m_view.Tools().GetCurrentTool()));
  j.Key("baseTool").Text(ToolName(m_view.Tools().GetBaseTool()));
  j.Key("toolState").Int(m_view.m_toolState.Word());
  // The row of the selected area as the list shows it (a shape still being
  // drawn has none).
  int selected = -1;
  const std::vector<AreaListRow>& rows = m_frame.rows;
  if (m_doc.m_pSelArea) {
    auto it = std::find_if(rows.begin(), rows.end(), [&](const AreaListRow& r) { return r.area == m_doc.m_pSelArea; });
    if (it != rows.end()) selected = int(it - rows.begin());
  }
  j.Key("selected").Int(selected);
  j.Key("selPoints").Int(int64_t(m_doc.m_listSelPoint.size()));
  j.Key("modified").Bool(m_doc.IsModified());
  j.Key("canUndo").Bool(m_doc.CanUndo());
  j.Key("canRedo").Bool(m_doc.CanRedo());
  j.Key("imageMode").Int(ImageModeNumber(m_view.m_canvas.m_imageMode));
  j.Key("showGuides").Bool(m_view.m_canvas.m_bShowGuides);
  j.Key("showRulers").Bool(m_view.m_bShowRulers);
  j.Key("cursor").Text(CursorName(m_viewHost.cursor));
  auto status = m_frame.panes.find(1);
  j.Key("status").Text(status == m_frame.panes.end() ? std::string() : status->second);
  return j.Close();
}

}  // namespace zorva::cli

#pragma once
// What the editing view asks of the program around it: its window (the view
// host), the frame (tools, rulers, zoom box, status bar, area list) and the
// property panel (controls by id). The editor implements these with widgets;
// zorva-cli, tests and benchmarks with the headless ones in HeadlessHost.h.
// Texts crossing these interfaces are UTF-8.
#include <string>
#include <vector>

#include "platform/Types.h"
#include "view/CommandIds.h"

class CRuler;

// Mouse key state bits, as mouse messages carry them; MK_ALT is the view's own.
constexpr unsigned MK_LBUTTON = 0x1;
constexpr unsigned MK_RBUTTON = 0x2;
constexpr unsigned MK_SHIFT = 0x4;
constexpr unsigned MK_CONTROL = 0x8;
constexpr unsigned MK_ALT = 0x20;

// Virtual key codes the view acts on; letters and digits are their ASCII codes.
constexpr unsigned VK_BACK = 0x08;
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_SHIFT = 0x10;
constexpr unsigned VK_CONTROL = 0x11;
constexpr unsigned VK_MENU = 0x12;  // Alt
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_SPACE = 0x20;
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_OEM_4 = 0xDB;  // [
constexpr unsigned VK_OEM_6 = 0xDD;  // ]

// The seven cursors of the view.
enum class ViewCursor { Arrow, ArrowCopy, Cross, CrossCentre, ZoomIn, ZoomOut, Hand, Trace };

class IViewHost {
 public:
  virtual ~IViewHost() = default;

  virtual CSize GetClientSize() = 0;
  // Scroll position in window pixels; the host owns it, as scroll bars do.
  virtual CPoint GetScrollPosition() = 0;
  // Scroll extent and steps in window pixels.
  virtual void SetScrollSizes(const CSize& total, const CSize& page, const CSize& line) = 0;
  // Scrolls as far towards `position` as the scroll range allows, then tells
  // the view through CZorvaView::OnScrolled.
  virtual void ScrollToPosition(const CPoint& position) = 0;

  // The view's back buffer changed inside `rc` (client pixels): show it,
  // at once when `now`, else at the next paint.
  virtual void ShowRect(const CRect& rc, bool now) = 0;

  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  virtual bool HasCapture() = 0;

  virtual void SetCursor(ViewCursor cursor) = 0;
  // The pointer in client pixels; moving it is what the snapping jumps do.
  virtual CPoint GetPointerPos() = 0;
  virtual void MovePointer(const CPoint& client) = 0;
  virtual bool IsKeyDown(unsigned vk) = 0;
  // Delivers a mouse move with `flags` at `client` later, through the view's
  // OnMouseMove, as if the pointer had moved there.
  virtual void PostMouseMove(const CPoint& client, unsigned flags) = 0;
};

class IViewFrame {
 public:
  virtual ~IViewFrame() = default;

  // The view's current or chosen tool changed (CToolSelection, which the
  // view keeps): the tool box shows it.
  virtual void ToolChanged(ToolId current, ToolId chosen) = 0;

  // The frame's rulers, or null before they exist.
  virtual CRuler* GetRuler(bool vertical) = 0;
  // Shows or hides both rulers and their corner box, then lays out again.
  virtual void ShowRulers(bool show) = 0;
  // Index in the zoom box: 0 200 %, 1 100 %, 2 50 %.
  virtual void SetZoomComboIndex(int index) = 0;
  // Status bar pane `pane` (0: the message pane, a tool's word to the user;
  // 1: the pointer's picture coordinates).
  virtual void SetStatusPane(int pane, const std::string& text) = 0;

  // --- the area list (rows by AreaList.h: the top area first, the default
  // area last); the view tells only what changed ---
  // The document is another one: every row may differ.
  virtual void AreaListReset() = 0;
  // A row came in at `row` or went from it; the rows after it moved.
  virtual void AreaListRowInserted(int row) = 0;
  virtual void AreaListRowRemoved(int row) = 0;
  // What row `row` shows changed. The map check's marks of other rows may
  // follow from it, so a window reads the rows in sight again.
  virtual void AreaListRowChanged(int row) = 0;
  // The selected area's row is `row` now (-1: no row is selected).
  virtual void AreaListSelect(int row) = 0;
};

// Control ids of the property panel.
constexpr int IDC_URL = 1010;
constexpr int IDC_TARGET = 1011;
constexpr int IDC_COMMENT = 1012;
constexpr int IDC_ALT = 1013;
constexpr int IDC_ONCLICK = 1015;
constexpr int IDC_TYPE = 1016;
constexpr int IDC_ONMOUSEOVER = 1017;
constexpr int IDC_ONMOUSEOUT = 1018;
constexpr int IDC_POINTS = 1021;
constexpr int IDC_CLOSED = 1022;
constexpr int IDC_JAVASCRIPT = 1029;
constexpr int IDC_OTHERATTRS = 1030;

// An area text in its panel control: the text (UTF-8) and whether the
// control is enabled (-1: left as it is).
struct PanelTextField {
  int control = 0;
  std::string text;
  int enabled = -1;
  bool operator==(const PanelTextField&) const = default;
};

// Everything the property panel shows of one area (or of the default area),
// in the panel's text (UTF-8).
struct PanelContent {
  // An area is selected: the type list, the closed check and the point rows
  // are enabled (the closed check for polygons and Bezier outlines only).
  bool area = false;
  int type = -1;
  bool closedEnabled = false;
  bool closed = false;
  // The point rows and their selection.
  std::vector<std::string> rows;
  std::vector<bool> rowSelected;
  // The area's texts in the order of the area text list.
  std::vector<PanelTextField> texts;
  bool javaScript = false;

  bool operator==(const PanelContent&) const = default;
  bool SameRows(const PanelContent& o) const {
    return area == o.area && rows == o.rows && rowSelected == o.rowSelected;
  }
};

class IPropertyPanel {
 public:
  virtual ~IPropertyPanel() = default;

  // Shows `content` in one go; the point rows only when `withRows` (else
  // they stay as the user has them). A panel may take it whole; by default
  // it is written control by control through the members below.
  virtual void Show(const PanelContent& content, bool withRows);
  // Only the texts of `content` and the script check, control by control.
  void WriteTexts(const PanelContent& content);

  virtual std::string GetText(int id) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual bool GetCheck(int id) = 0;
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsEnabled(int id) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  // The type list (1016): the selected item, -1 for none.
  virtual int GetCurSel(int id) = 0;
  virtual void SetCurSel(int id, int index) = 0;
  // The point list (1021): rows with their own selection.
  virtual void ResetRows(int id) = 0;
  virtual void AddRow(int id, const std::string& text) = 0;
  virtual int GetRowCount(int id) = 0;
  virtual std::string GetRowText(int id, int row) = 0;
  virtual bool GetRowSel(int id, int row) = 0;
  virtual void SetRowSel(int id, int row, bool selected) = 0;
};

// What the property panel reports when it hands the user's change to the view.
enum class PanelChange {
  // A text, the type or a check box; the point rows are filled afresh after it.
  Edit,
  // Only the selection of the point rows: the rows stay as the user has them.
  PointSelection,
  // Enter in a text field, which the view reads as an edit.
  Enter,
};

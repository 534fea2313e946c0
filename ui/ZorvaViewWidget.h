#pragma once
// The editing view's window: a scrolling area whose viewport shows the core
// view's back buffer. It hands mouse, key and cursor events to CZorvaView and
// serves as its IViewHost.
#include <QAbstractScrollArea>
#include <memory>

#include "view/ViewHost.h"

class CZorvaDoc;
class CZorvaView;

class CZorvaViewWidget : public QAbstractScrollArea, public IViewHost {
  Q_OBJECT
 public:
  CZorvaViewWidget(CZorvaDoc& doc, IViewFrame& frame, IPropertyPanel* panel,
                   QWidget* parent = nullptr);
  ~CZorvaViewWidget() override;

  CZorvaView& View() { return *m_view; }

  // --- IViewHost ---
  CSize GetClientSize() override;
  CPoint GetScrollPosition() override;
  void SetScrollSizes(const CSize& total, const CSize& page, const CSize& line) override;
  void ScrollToPosition(const CPoint& position) override;
  void ShowRect(const CRect& rc, bool now) override;
  void SetCapture() override;
  void ReleaseCapture() override;
  bool HasCapture() override { return m_captured; }
  void SetCursor(ViewCursor cursor) override;
  CPoint GetPointerPos() override;
  void MovePointer(const CPoint& client) override;
  bool IsKeyDown(unsigned vk) override;
  void PostMouseMove(const CPoint& client, unsigned flags) override;

 protected:
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

 private:
  unsigned Flags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) const;

  std::unique_ptr<CZorvaView> m_view;
  bool m_captured = false;
  bool m_spaceDown = false;
  bool m_inScrollUpdate = false;
  ViewCursor m_cursor = ViewCursor::Arrow;
  bool m_cursorSet = false;
};

// The view's virtual key for a Qt key, 0 when the view has no use for it.
unsigned VirtualKeyFromQt(int key);

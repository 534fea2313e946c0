#include "ui/ZorvaViewWidget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTimer>

#include "model/ZorvaDoc.h"
#include "ui/Cursors.h"
#include "view/ViewKeys.h"
#include "view/ZorvaView.h"

unsigned VirtualKeyFromQt(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return unsigned('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return unsigned('A' + (key - Qt::Key_A));
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Insert: return VK_INSERT;
    default: return 0;
  }
}

CZorvaViewWidget::CZorvaViewWidget(CZorvaDoc& doc, IViewFrame& frame, IPropertyPanel* panel,
                                   QWidget* parent)
    : QAbstractScrollArea(parent) {
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  m_view = std::make_unique<CZorvaView>(doc, *this, frame, panel);
  const QColor menu = palette().color(QPalette::Window);
  m_view->m_canvas.SetBackgroundColor(RGB(uint8_t(menu.red()), uint8_t(menu.green()), uint8_t(menu.blue())));
  m_view->OnSize();
}

CZorvaViewWidget::~CZorvaViewWidget() = default;

CSize CZorvaViewWidget::GetClientSize() {
  return CSize{viewport()->width(), viewport()->height()};
}

CPoint CZorvaViewWidget::GetScrollPosition() {
  return CPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CZorvaViewWidget::SetScrollSizes(const CSize& total, const CSize& page, const CSize& line) {
  // Changing a range may move a bar; the view learns of it once, afterwards.
  m_inScrollUpdate = true;
  const int w = viewport()->width(), h = viewport()->height();
  horizontalScrollBar()->setRange(0, std::max(0, total.cx - w));
  verticalScrollBar()->setRange(0, std::max(0, total.cy - h));
  horizontalScrollBar()->setSingleStep(std::max(1, line.cx));
  verticalScrollBar()->setSingleStep(std::max(1, line.cy));
  horizontalScrollBar()->setPageStep(std::max(1, page.cx));
  verticalScrollBar()->setPageStep(std::max(1, page.cy));
  m_inScrollUpdate = false;
}

void CZorvaViewWidget::ScrollToPosition(const CPoint& position) {
  m_inScrollUpdate = true;
  horizontalScrollBar()->setValue(position.x);
  verticalScrollBar()->setValue(position.y);
  m_inScrollUpdate = false;
  m_view->OnScrolled();
}

void CZorvaViewWidget::scrollContentsBy(int, int) {
  if (!m_inScrollUpdate) m_view->OnScrolled();
}

void CZorvaViewWidget::ShowRect(const CRect& rc, bool now) {
  const QRect r(rc.left, rc.top, rc.Width(), rc.Height());
  if (now)
    viewport()->repaint(r);
  else
    viewport()->update(r);
}

void CZorvaViewWidget::SetCapture() {
  m_captured = true;
  viewport()->grabMouse();
}

void CZorvaViewWidget::ReleaseCapture() {
  m_captured = false;
  viewport()->releaseMouse();
}

void CZorvaViewWidget::SetCursor(ViewCursor cursor) {
  // Asked at every pointer move; the window's cursor changes only when the
  // tool's cursor does.
  if (m_cursorSet && m_cursor == cursor) return;
  m_cursor = cursor;
  m_cursorSet = true;
  // Set on the whole window, so the scroll bars show the tool's cursor too.
  setCursor(ViewCursorFor(cursor));
}

CPoint CZorvaViewWidget::GetPointerPos() {
  const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
  return CPoint(p.x(), p.y());
}

void CZorvaViewWidget::MovePointer(const CPoint& client) {
  QCursor::setPos(viewport()->mapToGlobal(QPoint(client.x, client.y)));
}

bool CZorvaViewWidget::IsKeyDown(unsigned vk) {
  const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
  switch (vk) {
    case VK_SHIFT: return mods & Qt::ShiftModifier;
    case VK_CONTROL: return mods & Qt::ControlModifier;
    case VK_MENU: return mods & Qt::AltModifier;
    case VK_SPACE: return m_spaceDown;
    default: return false;
  }
}

void CZorvaViewWidget::PostMouseMove(const CPoint& client, unsigned flags) {
  QTimer::singleShot(0, this, [this, client, flags] { m_view->OnMouseMove(flags, client); });
}

unsigned CZorvaViewWidget::Flags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) const {
  unsigned f = 0;
  if (buttons & Qt::LeftButton) f |= MK_LBUTTON;
  if (buttons & Qt::RightButton) f |= MK_RBUTTON;
  if (mods & Qt::ShiftModifier) f |= MK_SHIFT;
  if (mods & Qt::ControlModifier) f |= MK_CONTROL;
  return f;
}

bool CZorvaViewWidget::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::HoverMove) m_view->OnSetCursor();
  return QAbstractScrollArea::viewportEvent(event);
}

void CZorvaViewWidget::paintEvent(QPaintEvent* event) {
  m_view->m_canvas.OnPaint();
  const CDC& dc = m_view->m_canvas.BackBuffer();
  if (dc.Width() <= 0 || dc.Height() <= 0) return;
  const QImage image(reinterpret_cast<const uchar*>(dc.Bits()), dc.Width(), dc.Height(),
                     dc.Width() * 4, QImage::Format_RGB32);
  QPainter painter(viewport());
  const QRect r = event->rect();
  painter.drawImage(r.topLeft(), image, r);
}

void CZorvaViewWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  m_view->OnSize();
}

void CZorvaViewWidget::mousePressEvent(QMouseEvent* event) {
  const CPoint p(int(event->position().x()), int(event->position().y()));
  if (event->button() == Qt::LeftButton)
    m_view->OnLButtonDown(Flags(event->buttons(), event->modifiers()), p);
  else if (event->button() == Qt::RightButton)
    m_view->OnRButtonDown(Flags(event->buttons(), event->modifiers()), p);
}

void CZorvaViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const CPoint p(int(event->position().x()), int(event->position().y()));
  // Every move asks for the cursor, as long as no gesture holds the mouse:
  // a tool chosen with a digit key shows at once, without leaving the view.
  if (!m_captured) m_view->OnSetCursor();
  m_view->OnMouseMove(Flags(event->buttons(), event->modifiers()), p);
}

void CZorvaViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const CPoint p(int(event->position().x()), int(event->position().y()));
  m_view->OnLButtonUp(Flags(event->buttons(), event->modifiers()), p);
}

bool CZorvaViewWidget::event(QEvent* event) {
  // Alt pressed and released alone would put the menu bar into keyboard
  // mode; in the view Alt copies and draws from the centre instead. Claiming
  // the key keeps it from the menu bar, which watches for it unclaimed.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Alt) {
      key->accept();
      return true;
    }
  }
  // Tab belongs to the view (it cycles the selection), not to focus changes.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

void CZorvaViewWidget::keyPressEvent(QKeyEvent* event) {
  const unsigned vk = VirtualKeyFromQt(event->key());
  if (vk == VK_SPACE) m_spaceDown = true;
  if (vk) m_view->m_keys->OnKeyDown(vk, event->isAutoRepeat());
  else QAbstractScrollArea::keyPressEvent(event);
}

void CZorvaViewWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  m_view->m_keys->OnSetFocus();
}

void CZorvaViewWidget::focusOutEvent(QFocusEvent* event) {
  // Space is known only by its key events, and its release may go elsewhere.
  m_spaceDown = false;
  QAbstractScrollArea::focusOutEvent(event);
}

void CZorvaViewWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  const unsigned vk = VirtualKeyFromQt(event->key());
  if (vk == VK_SPACE) m_spaceDown = false;
  if (vk) m_view->m_keys->OnKeyUp(vk);
  else QAbstractScrollArea::keyReleaseEvent(event);
}

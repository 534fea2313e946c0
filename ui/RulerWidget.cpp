#include "ui/RulerWidget.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include "ui/ZorvaViewWidget.h"
#include "view/Ruler.h"
#include "view/ZorvaView.h"

namespace {

unsigned MouseFlags(const QMouseEvent* event) {
  unsigned flags = 0;
  if (event->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

}  // namespace

CRulerWidget::CRulerWidget(CRuler& ruler, CZorvaViewWidget* view, QWidget* parent)
    : QWidget(parent), m_ruler(ruler), m_view(view) {
  setObjectName(ruler.m_bVertical ? QStringLiteral("vRuler") : QStringLiteral("hRuler"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_ruler.m_onChanged = [this] { update(); };
}

CRulerWidget::~CRulerWidget() { m_ruler.m_onChanged = nullptr; }

int CRulerWidget::ViewOrigin() const {
  if (!m_view) return 0;
  const QPoint at = m_view->viewport()->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
  return m_ruler.m_bVertical ? at.y() : at.x();
}

void CRulerWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool vertical = m_ruler.m_bVertical;
  const int along = vertical ? height() : width();
  const int across = vertical ? width() : height();
  const int origin = ViewOrigin();
  const CRuler::Layout layout = m_ruler.GetLayout(along - origin);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));

  // A point `a` along the ruler and `c` across it, in the widget's pixels.
  auto at = [vertical](int a, int c) { return vertical ? QPoint(c, a) : QPoint(a, c); };
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(8);
  p.setFont(font);
  const QFontMetrics metrics(font);
  const int digitHeight = metrics.tightBoundingRect(QStringLiteral("0123456789")).height();
  p.setPen(pal.color(QPalette::WindowText));
  for (const CRuler::Mark& mark : layout.marks) {
    const int start = origin + mark.pos;
    // One period: a full tick at its start, a half one at 50, short ones every 10.
    for (int i = 0; i < CRuler::kPeriod; i += 10) {
      const int len = i == 0 ? across : i == 50 ? across / 2 : across / 4;
      p.drawLine(at(start + i, across - len), at(start + i, across - 1));
    }
    const QString label = QString::fromStdString(mark.label);
    if (!vertical) {
      p.drawText(QRect(start + 2, 1, CRuler::kPeriod - 4, across - 1), Qt::AlignLeft | Qt::AlignTop,
                 label);
    } else {
      // Down the ruler one character at a time, each below the last with a
      // pixel between: placed by the font's own digit height, as the font
      // found may be taller than its pixel size says.
      for (int i = 0; i < label.size(); ++i) {
        const QString digit = label.mid(i, 1);
        const int x = 1 + (across / 2 - metrics.horizontalAdvance(digit)) / 2;
        p.drawText(QPoint(x, start + 3 + (digitHeight + 2) * i + digitHeight), digit);
      }
    }
  }

  // Past the picture: the menu colour, framed as a sunken edge.
  const int beyond = origin + layout.beyond;
  if (beyond < along) {
    const QRect r = vertical ? QRect(0, beyond, across, along - beyond)
                             : QRect(beyond, 0, along - beyond, across);
    p.fillRect(r, pal.color(QPalette::Window));
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
  }
  if (layout.originMark) {
    p.setPen(pal.color(QPalette::Dark));
    const int a = std::max(0, origin - 1);
    p.drawLine(at(a, 0), at(a, across - 1));
  }
}

void CRulerWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_view) return;
  m_view->View().OnRulerPress(m_ruler.m_bVertical);
  update();
}

void CRulerWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!m_view || !(event->buttons() & Qt::LeftButton) || !m_ruler.m_bPressed) return;
  QWidget* port = m_view->viewport();
  const QPoint p = port->mapFromGlobal(event->globalPosition().toPoint());
  // The guide appears once the pointer reaches the view, as it would if the
  // view got the moves itself; from then on the view holds the mouse.
  if (port->rect().contains(p) || m_view->HasCapture())
    m_view->View().OnMouseMove(MouseFlags(event), CPoint(p.x(), p.y()));
}

void CRulerWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_view) return;
  if (m_view->HasCapture()) {
    // A guide on its way: the view decides whether it stays.
    const QPoint p = m_view->viewport()->mapFromGlobal(event->globalPosition().toPoint());
    m_view->View().OnLButtonUp(MouseFlags(event), CPoint(p.x(), p.y()));
  }
  m_ruler.m_bPressed = false;
  update();
}

CRulerCorner::CRulerCorner(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("rulerCorner"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRulerCorner::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  const QPixmap image(QStringLiteral(":/ruler/corner.png"));
  if (!image.isNull()) p.drawPixmap(0, 0, image);
}

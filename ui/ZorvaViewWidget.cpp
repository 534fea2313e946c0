#include "ui/ZorvaViewWidget.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>

#include "model/ZorvaDoc.h"

CZorvaViewWidget::CZorvaViewWidget(CZorvaDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc) {
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  UpdateScrollSizes();
}

void CZorvaViewWidget::UpdateScrollSizes() {
  // A loader writes the size together with the bitmap and then asks for an
  // update, which comes back here.
  const int32_t num = m_settings.zoom >> 16;
  const CSize total = ScrollTotalSize(m_doc.m_sizePicture, m_settings.zoom);
  m_settings.totalWidth = total.cx;
  m_settings.totalHeight = total.cy;
  const int w = viewport()->width(), h = viewport()->height();
  horizontalScrollBar()->setRange(0, std::max(0, total.cx - w));
  verticalScrollBar()->setRange(0, std::max(0, total.cy - h));
  // A line is 10 picture pixels at every zoom.
  horizontalScrollBar()->setSingleStep(10 * num);
  verticalScrollBar()->setSingleStep(10 * num);
  horizontalScrollBar()->setPageStep(std::max(1, w - 10 * num));
  verticalScrollBar()->setPageStep(std::max(1, h - 10 * num));
}

void CZorvaViewWidget::OnUpdate() {
  UpdateScrollSizes();
  viewport()->update();
}

void CZorvaViewWidget::SetZoom(int32_t zoom) {
  const int32_t oldNum = m_settings.zoom >> 16, oldDen = m_settings.zoom & 0xFFFF;
  const int w = viewport()->width(), h = viewport()->height();
  // The picture point at the window's centre stays at the centre.
  const int64_t px = int64_t(w / 2 + horizontalScrollBar()->value()) * oldDen / oldNum;
  const int64_t py = int64_t(h / 2 + verticalScrollBar()->value()) * oldDen / oldNum;
  m_settings.zoom = zoom;
  UpdateScrollSizes();
  const int32_t num = zoom >> 16, den = zoom & 0xFFFF;
  auto centre = [](int64_t c, int win, int total) {
    int64_t v = c - win / 2;
    if (win > total || v < 0) return int64_t(0);
    return std::min<int64_t>(v, total - win);
  };
  horizontalScrollBar()->setValue(int(centre(px * num / den, w, m_settings.totalWidth)));
  verticalScrollBar()->setValue(int(centre(py * num / den, h, m_settings.totalHeight)));
  viewport()->update();
}

void CZorvaViewWidget::SetImageMode(int mode) {
  m_settings.imageMode = mode;
  viewport()->update();
}

void CZorvaViewWidget::SetShowGuides(bool show) {
  m_settings.showGuides = show;
  viewport()->repaint();
}

void CZorvaViewWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollSizes();
}

void CZorvaViewWidget::scrollContentsBy(int, int) { viewport()->update(); }

void CZorvaViewWidget::paintEvent(QPaintEvent*) {
  const int w = viewport()->width(), h = viewport()->height();
  if (m_dc.Width() != w || m_dc.Height() != h) m_dc.Resize(w, h);
  const int sx = horizontalScrollBar()->value(), sy = verticalScrollBar()->value();

  // Outside the zoomed picture the view shows the menu colour; the picture
  // rectangle itself is covered by the paint pass.
  const QColor menu = palette().color(QPalette::Window);
  const COLORREF back = RGB(uint8_t(menu.red()), uint8_t(menu.green()), uint8_t(menu.blue()));
  m_dc.SetViewportOrg(0, 0);
  m_dc.FillSolidRect(CRect(0, 0, w, h), back);
  m_dc.SetViewportOrg(-sx, -sy);
  if (!PaintDocument(m_doc, m_dc, m_settings)) return;  // a loader is busy; it repaints when done

  QImage image(reinterpret_cast<const uchar*>(m_dc.Bits()), w, h, w * 4, QImage::Format_RGB32);
  QPainter painter(viewport());
  painter.drawImage(0, 0, image);
}

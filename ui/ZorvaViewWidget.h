#pragma once
// The editing view's window: a scrolling area whose viewport shows the core's
// paint pass, rendered into a raster device context.
#include <QAbstractScrollArea>

#include "platform/DC.h"
#include "view/PaintPass.h"

class CZorvaDoc;

class CZorvaViewWidget : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit CZorvaViewWidget(CZorvaDoc& doc, QWidget* parent = nullptr);

  // Recomputes the scroll sizes and repaints everything (after a load or an open).
  void OnUpdate();

  int32_t Zoom() const { return m_settings.zoom; }
  // Sets the zoom ratio and keeps the centre of the window where it was.
  void SetZoom(int32_t zoom);
  int ImageMode() const { return m_settings.imageMode; }
  void SetImageMode(int mode);
  bool ShowGuides() const { return m_settings.showGuides; }
  void SetShowGuides(bool show);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollSizes();

  CZorvaDoc& m_doc;
  PaintSettings m_settings;
  CDC m_dc{0, 0};
};

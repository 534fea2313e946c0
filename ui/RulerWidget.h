#pragma once
// The windows of the two rulers and of the box where they meet. A ruler
// paints its CRuler's scale; a press on it starts a guide, and because the
// drag stays with the pressed widget, the ruler hands its moves over the view
// (and everything once the view has taken the mouse) on to the view.
#include <QPointer>
#include <QWidget>

class CRuler;
class CZorvaViewWidget;

class CRulerWidget : public QWidget {
  Q_OBJECT
 public:
  CRulerWidget(CRuler& ruler, CZorvaViewWidget* view, QWidget* parent);
  ~CRulerWidget() override;

  CRuler& Ruler() { return m_ruler; }
  // Where the view's first pixel lies along the ruler, in the ruler's pixels.
  int ViewOrigin() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  CRuler& m_ruler;
  QPointer<CZorvaViewWidget> m_view;
};

class CRulerCorner : public QWidget {
  Q_OBJECT
 public:
  explicit CRulerCorner(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

#include "ui/ViewPane.h"

#include "ui/FrameLayout.h"
#include "ui/RulerWidget.h"
#include "ui/ZorvaViewWidget.h"

CViewPane::CViewPane(CZorvaDoc& doc, IViewFrame& frame, IPropertyPanel* panel, CRuler& hRuler,
                     CRuler& vRuler, QWidget* parent)
    : QWidget(parent) {
  m_view = new CZorvaViewWidget(doc, frame, panel, this);
  m_hRuler = new CRulerWidget(hRuler, m_view, this);
  m_vRuler = new CRulerWidget(vRuler, m_view, this);
  // The corner covers the view's first pixel, so it goes on top.
  m_corner = new CRulerCorner(this);
  setFocusProxy(m_view);
  LayOut();
}

void CViewPane::ShowRulers(bool show) {
  m_rulers = show;
  LayOut();
}

void CViewPane::resizeEvent(QResizeEvent*) { LayOut(); }

void CViewPane::LayOut() {
  const ViewPaneLayout l = LayOutViewPane(rect(), m_rulers);
  m_corner->setVisible(m_rulers);
  m_hRuler->setVisible(m_rulers);
  m_vRuler->setVisible(m_rulers);
  m_view->setGeometry(l.view);
  if (m_rulers) {
    m_corner->setGeometry(l.corner);
    m_hRuler->setGeometry(l.hRuler);
    m_vRuler->setGeometry(l.vRuler);
    m_corner->raise();
    m_corner->update();
    m_hRuler->update();
    m_vRuler->update();
  }
}

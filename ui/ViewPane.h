#pragma once
// The frame's central area: the editing view with its two rulers and their
// corner box, placed from the area's rectangle as the view asks (the view
// 16 pixels in while the rulers are shown).
#include <QWidget>

class CRuler;
class CRulerCorner;
class CRulerWidget;
class CZorvaDoc;
class CZorvaViewWidget;
class IPropertyPanel;
class IViewFrame;

class CViewPane : public QWidget {
  Q_OBJECT
 public:
  // `panel` (may be null) is the property panel the view fills.
  CViewPane(CZorvaDoc& doc, IViewFrame& frame, IPropertyPanel* panel, CRuler& hRuler,
            CRuler& vRuler, QWidget* parent);

  CZorvaViewWidget* View() const { return m_view; }
  CRulerWidget* Ruler(bool vertical) const { return vertical ? m_vRuler : m_hRuler; }
  CRulerCorner* Corner() const { return m_corner; }

  void ShowRulers(bool show);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  CZorvaViewWidget* m_view = nullptr;
  CRulerWidget* m_hRuler = nullptr;
  CRulerWidget* m_vRuler = nullptr;
  CRulerCorner* m_corner = nullptr;
  bool m_rulers = true;
};

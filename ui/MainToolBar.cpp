#include "ui/MainToolBar.h"

#include <QComboBox>
#include <QFont>

#include "ui/CommandActions.h"
#include "ui/UiText.h"
#include "view/CommandIds.h"

unsigned ZoomCommandOfIndex(int index) {
  switch (index) {
    case 0: return ID_VIEW_ZOOM200;
    case 1: return ID_VIEW_ZOOM100;
    case 2: return ID_VIEW_ZOOM50;
    default: return 0;
  }
}

CMainToolBar::CMainToolBar(CCommandActions& actions, QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("mainToolBar"));
  setWindowTitle(UiText(59392).section(QLatin1Char('\n'), 1, 1));
  setIconSize(QSize(16, 15));
  setToolButtonStyle(Qt::ToolButtonIconOnly);

  for (unsigned id : kMainToolBarLayout) {
    if (id == 0) {
      addSeparator();
    } else if (id == ID_ZOOM_COMBO) {
      addWidget(MakeZoomBox());
    } else if (QAction* a = actions.Action(id)) {
      addAction(a);
    }
  }
}

QComboBox* CMainToolBar::MakeZoomBox() {
  m_zoom = new QComboBox(this);
  m_zoom->setObjectName(QStringLiteral("zoomCombo"));
  m_zoom->setEditable(false);
  // The product's face first; a desktop without it gets a Japanese sans face.
  QFont font;
  font.setFamilies({UiText(61238), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                    QStringLiteral("IPAPGothic")});
  font.setPixelSize(12);
  m_zoom->setFont(font);
  m_zoom->addItems({QStringLiteral("200%"), QStringLiteral("100%"), QStringLiteral("50%")});
  m_zoom->setCurrentIndex(1);
  const QString help = UiText(ID_ZOOM_COMBO);
  m_zoom->setToolTip(help.section(QLatin1Char('\n'), 1, 1));
  m_zoom->setStatusTip(help.section(QLatin1Char('\n'), 0, 0));
  // Only a pick by the user acts; SetZoomIndex changes the box silently.
  connect(m_zoom, &QComboBox::activated, this, [this](int index) {
    if (const unsigned id = ZoomCommandOfIndex(index); id && onZoomPicked) onZoomPicked(id);
  });
  return m_zoom;
}

void CMainToolBar::SetZoomIndex(int index) {
  if (index >= 0 && index < m_zoom->count()) m_zoom->setCurrentIndex(index);
}

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

  auto add = [&](unsigned id) {
    if (QAction* a = actions.Action(id)) addAction(a);
  };
  add(ID_FILE_NEW);
  add(ID_FILE_OPEN);
  add(ID_FILE_SAVE);
  addSeparator();
  add(ID_EDIT_CUT);
  add(ID_EDIT_COPY);
  add(ID_EDIT_PASTE);
  add(ID_EDIT_DUPLICATE);
  addSeparator();
  add(ID_EDIT_UNDO);
  add(ID_EDIT_REDO);
  addSeparator();

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
  addWidget(m_zoom);
  addSeparator();

  add(32779);  // tool box
  add(32782);  // property panel
  add(32815);  // area list
  addSeparator();
  add(32820);  // HTML preview
  addSeparator();
  add(57664);  // About
}

void CMainToolBar::SetZoomIndex(int index) {
  if (index >= 0 && index < m_zoom->count()) m_zoom->setCurrentIndex(index);
}

#include "ui/HtmlSettingsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/UiText.h"

namespace {
constexpr unsigned kDlg = zorva::kDlgHtmlSettings;

struct Group {
  unsigned label;
  std::initializer_list<int> controls;
};
// The groups in order (line end, DOCTYPE, character code, letter case, map
// form) with their buttons in index order.
const Group kGroups[] = {
    {1, {1030, 1031, 1032}},
    {2, {1033, 1034, 1035, 1039, 1042}},
    {3, {1036, 1037, 1041, 1040}},
    {4, {1063, 1064, 1065}},
    {5, {1066, 1067}},
};
constexpr int kHoverControl = 1068;

// An exclusive group shows no selection only while it is not exclusive.
void SelectIndex(QButtonGroup* group, int index) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == index);
  group->setExclusive(true);
}
}  // namespace

CHtmlSettingsDlg::CHtmlSettingsDlg(zorva::ISettingsStore& store, QWidget* parent)
    : QDialog(parent), m_store(store) {
  setWindowTitle(UiText(zorva::DialogCaptionId(kDlg)));
  auto* grid = new QGridLayout;
  int g = 0;
  for (const Group& group : kGroups) {
    auto* box = new QGroupBox(UiText(zorva::DialogLabelId(kDlg, group.label)));
    auto* column = new QVBoxLayout(box);
    m_groups[g] = new QButtonGroup(this);
    int index = 0;
    for (int control : group.controls) {
      auto* button = new QRadioButton(UiText(zorva::DialogControlTextId(kDlg, unsigned(control))), box);
      button->setObjectName(QStringLiteral("ctl%1").arg(control));
      m_buttons.insert(control, button);
      m_groups[g]->addButton(button, index++);
      column->addWidget(button);
    }
    if (g == 4) {
      // The highlight belongs to the responsive form.
      m_hover = new QCheckBox(UiText(zorva::DialogControlTextId(kDlg, kHoverControl)), box);
      m_hover->setObjectName(QStringLiteral("ctl%1").arg(kHoverControl));
      column->addWidget(m_hover);
    }
    column->addStretch();
    // HTML5 (index 4) is shown above "none", with the other doctypes.
    if (QRadioButton* html5 = m_buttons.value(1042); html5 && html5->parent() == box) {
      column->removeWidget(html5);
      column->insertWidget(3, html5);
    }
    grid->addWidget(box, g / 2, g % 2);
    ++g;
  }
  // EUC-JP pages cannot be chosen; the button only shows a stored choice.
  Button(1037)->setEnabled(false);

  auto* buttons = OkCancelButtons(this, kDlg);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  SetIndices(zorva::LoadHtmlSettingsIndices(store));
}

zorva::HtmlSettingsIndices CHtmlSettingsDlg::Indices() const {
  zorva::HtmlSettingsIndices ix{m_groups[0]->checkedId(), m_groups[1]->checkedId(), m_groups[2]->checkedId(),
                                 m_groups[3]->checkedId()};
  ix.mapForm = m_groups[4]->checkedId();
  ix.svgHover = m_hover->isChecked();
  return ix;
}

void CHtmlSettingsDlg::SetIndices(const zorva::HtmlSettingsIndices& ix) {
  SelectIndex(m_groups[0], ix.newline);
  SelectIndex(m_groups[1], ix.doctype);
  SelectIndex(m_groups[2], ix.charcode);
  SelectIndex(m_groups[3], ix.charcase);
  SelectIndex(m_groups[4], ix.mapForm);
  m_hover->setChecked(ix.svgHover);
}

QRadioButton* CHtmlSettingsDlg::Button(int controlId) const {
  return m_buttons.value(controlId, nullptr);
}

void CHtmlSettingsDlg::accept() {
  zorva::SaveHtmlSettingsIndices(m_store, Indices());
  QDialog::accept();
}

int EditHtmlSettings(zorva::ISettingsStore& store, QWidget* parent) {
  CHtmlSettingsDlg dlg(store, parent);
  return dlg.exec();
}

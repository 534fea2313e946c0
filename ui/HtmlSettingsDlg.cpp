#include "ui/HtmlSettingsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "html/HtmlSettingsDefaults.h"
#include "platform/UiLanguage.h"
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

// The interface's language: its group's caption, the list, its first item
// (follow the locale) and the note that it applies from the next start.
constexpr unsigned kLanguageLabel = 6;
constexpr unsigned kLanguageNote = 7;
constexpr int kLanguageControl = 1070;
constexpr int kLanguageSystem = 1071;
// The list's items in order and the setting each stores; the languages are
// named in their own tongue, as every language menu does, so never translated.
const char* const kLanguageSettings[] = {"system", "ja", "en"};

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

  auto* language = new QGroupBox(UiText(zorva::DialogLabelId(kDlg, kLanguageLabel)));
  auto* languageRow = new QHBoxLayout(language);
  m_language = new QComboBox(language);
  m_language->setObjectName(QStringLiteral("ctl%1").arg(kLanguageControl));
  m_language->addItem(UiText(zorva::DialogControlTextId(kDlg, kLanguageSystem)));
  m_language->addItem(QStringLiteral("日本語"));
  m_language->addItem(QStringLiteral("English"));
  languageRow->addWidget(m_language);
  languageRow->addWidget(new QLabel(UiText(zorva::DialogLabelId(kDlg, kLanguageNote)), language), 1);
  grid->addWidget(language, g / 2 + 1, 0, 1, 2);

  auto* buttons = OkCancelButtons(this, kDlg);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  SetIndices(zorva::LoadHtmlSettingsIndices(store));
  const std::string stored = store.GetString(zorva::kSettingsSection, zorva::kSettingLanguage, "system");
  for (int i = 0; i < int(std::size(kLanguageSettings)); ++i)
    if (stored == kLanguageSettings[i]) m_language->setCurrentIndex(i);
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
  const int language = m_language->currentIndex();
  if (language >= 0 && language < int(std::size(kLanguageSettings)))
    m_store.WriteString(zorva::kSettingsSection, zorva::kSettingLanguage, kLanguageSettings[language]);
  QDialog::accept();
}

int EditHtmlSettings(zorva::ISettingsStore& store, QWidget* parent) {
  CHtmlSettingsDlg dlg(store, parent);
  return dlg.exec();
}

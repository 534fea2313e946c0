#pragma once
// "HTML出力設定": the four HTML output settings as radio-button groups.
#include <QDialog>
#include <QHash>

#include "html/HtmlSettings.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

class CHtmlSettingsDlg : public QDialog {
  Q_OBJECT
 public:
  // Opens with the buttons the store's values select.
  explicit CHtmlSettingsDlg(zorva::ISettingsStore& store, QWidget* parent = nullptr);

  zorva::HtmlSettingsIndices Indices() const;
  void SetIndices(const zorva::HtmlSettingsIndices& indices);

  // The radio button with a control id (1030..1042, 1063..1067), or null.
  QRadioButton* Button(int controlId) const;
  // The responsive map's hover highlight (1068).
  QCheckBox* HoverBox() const { return m_hover; }

  // OK: the selected buttons go to the store.
  void accept() override;

 private:
  zorva::ISettingsStore& m_store;
  QButtonGroup* m_groups[5] = {};
  QCheckBox* m_hover = nullptr;
  QHash<int, QRadioButton*> m_buttons;  // by control id
};

// The preferences command: shows the dialog modally; returns its result.
int EditHtmlSettings(zorva::ISettingsStore& store, QWidget* parent);

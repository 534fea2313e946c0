#pragma once
// "HTML出力設定": the HTML output settings as radio-button groups, and the
// interface's language (from the next start).
#include <QDialog>
#include <QHash>

#include "html/HtmlSettings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
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
  // The interface's language: the locale's, 日本語, English (1070).
  QComboBox* LanguageBox() const { return m_language; }

  // OK: the selected buttons and the language go to the store.
  void accept() override;

 private:
  zorva::ISettingsStore& m_store;
  QButtonGroup* m_groups[5] = {};
  QCheckBox* m_hover = nullptr;
  QComboBox* m_language = nullptr;
  QHash<int, QRadioButton*> m_buttons;  // by control id
};

// The preferences command: shows the dialog modally; returns its result.
int EditHtmlSettings(zorva::ISettingsStore& store, QWidget* parent);

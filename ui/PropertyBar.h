#pragma once
// The property panel at the frame's right edge: the selected area's type,
// closed state, points, link texts, the attributes kept from its page and
// scripts, or the default area's texts when nothing is selected. It holds no
// data of its own: the view writes the controls (IPropertyPanel) and every
// change the user makes goes straight back to the view, which reads the
// controls and applies them.
#include <QDockWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "view/ViewHost.h"

class CGrowingField;
class CZorvaDoc;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QToolButton;

class CPropertyBar : public QDockWidget, public IPropertyPanel {
  Q_OBJECT
 public:
  static constexpr unsigned kDialogId = 140;
  // The menu buttons of the three script fields.
  static constexpr int kOnClickMenu = 1056, kOnMouseOverMenu = 1057, kOnMouseOutMenu = 1058;

  // `doc` gives the script function names of the last page read.
  CPropertyBar(CZorvaDoc& doc, QWidget* parent);
  ~CPropertyBar() override;

  // A change for the view. Called while the change is fresh; the view has
  // applied it when the call returns.
  std::function<void(PanelChange change)> onApply;
  // Enter in the panel: the focus goes back to the view.
  std::function<void()> onReturnFocus;
  // The panel is shown again and should be filled afresh.
  std::function<void()> onShown;

  // Drops the three handlers above (the view is going).
  void Detach();

  // Text typed into the focused field and not applied yet goes to the view
  // now (before a command acts on the document).
  void ApplyPendingEdit();

  // The control with id `id` (the ids of ViewHost.h and the menu buttons).
  QWidget* Control(int id) const;
  QLineEdit* Field(int id) const;
  // The other attributes: a field that grows onto more lines with its text.
  CGrowingField* OtherAttrsField() const { return m_otherAttrs; }
  QCheckBox* Check(int id) const;
  QComboBox* TypeList() const { return m_type; }
  QListWidget* PointList() const { return m_points; }
  QToolButton* MenuButton(int id) const;

  // --- IPropertyPanel ---
  std::string GetText(int id) override;
  void SetText(int id, const std::string& text) override;
  bool GetCheck(int id) override;
  void SetCheck(int id, bool checked) override;
  bool IsEnabled(int id) override;
  void Enable(int id, bool enabled) override;
  int GetCurSel(int id) override;
  void SetCurSel(int id, int index) override;
  void ResetRows(int id) override;
  void AddRow(int id, const std::string& text) override;
  int GetRowCount(int id) override;
  std::string GetRowText(int id, int row) override;
  bool GetRowSel(int id, int row) override;
  void SetRowSel(int id, int row, bool selected) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Send(PanelChange change);
  void OnEnter();
  void OnScriptsToggled();
  void OpenScriptMenu(int field, QToolButton* button);
  void EditPointRow();

  CZorvaDoc& m_doc;
  QComboBox* m_type = nullptr;
  QCheckBox* m_closed = nullptr;
  QListWidget* m_points = nullptr;
  QCheckBox* m_scripts = nullptr;
  std::map<int, QLineEdit*> m_fields;
  CGrowingField* m_otherAttrs = nullptr;
  std::map<int, QToolButton*> m_menuButtons;
  // A change is being applied: the focus moving away meanwhile (a message
  // box) is part of it and no change of its own.
  bool m_bSending = false;
};

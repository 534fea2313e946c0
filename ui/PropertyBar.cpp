#include "ui/PropertyBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <climits>

#include "html/DialogTexts.h"
#include "model/ZorvaDoc.h"
#include "ui/CoordDlg.h"
#include "ui/GrowingField.h"
#include "ui/UiText.h"
#include "view/PanelText.h"

namespace {

constexpr unsigned kDlg = CPropertyBar::kDialogId;

constexpr int kScriptFields[3] = {IDC_ONCLICK, IDC_ONMOUSEOVER, IDC_ONMOUSEOUT};
constexpr int kScriptMenus[3] = {CPropertyBar::kOnClickMenu, CPropertyBar::kOnMouseOverMenu,
                                 CPropertyBar::kOnMouseOutMenu};
constexpr int kLinkFields[4] = {IDC_URL, IDC_TARGET, IDC_ALT, IDC_COMMENT};
constexpr unsigned kTitle = 61239;

// Labels 1 to 9 go with the controls; the type items and the empty menu
// follow, then the label of the other attributes, added after them.
constexpr unsigned kStyleLabel = 1, kPointsLabel = 2, kFirstLinkLabel = 3, kFirstScriptLabel = 7;
constexpr unsigned kFirstTypeItem = 10, kNoScriptNames = 14, kOtherAttrsLabel = 15;


// The point list asks for room for a few rows of two five-digit numbers
// (a list's usual wish is 256 by 192 pixels); a longer outline scrolls.
class CPointRows : public QListWidget {
 public:
  using QListWidget::QListWidget;
  QSize sizeHint() const override {
    const int rows = 4, columns = 14;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {columns * fontMetrics().horizontalAdvance(QLatin1Char('0')) + scrollBar + 2 * frameWidth(),
            rows * fontMetrics().height() + 2 * frameWidth() + 4};
  }
};

// Sets a flag for a scope and puts its old value back, whichever way the
// scope ends.
struct FlagScope {
  explicit FlagScope(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
  ~FlagScope() { m_flag = m_old; }
  bool& m_flag;
  bool m_old;
};

}  // namespace

CPropertyBar::CPropertyBar(CZorvaDoc& doc, QWidget* parent)
    : QDockWidget(UiText(kTitle), parent), m_doc(doc) {
  setObjectName(QStringLiteral("propertyBar"));
  setAllowedAreas(Qt::RightDockWidgetArea);
  // A taller window gives its height to the area list below, which grows
  // with the map; the panel still grows when its edge is dragged.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  auto* body = new QWidget(this);
  auto name = [](QWidget* w, int id) { w->setObjectName(QStringLiteral("ctl%1").arg(id)); };
  auto label = [body](unsigned order, QWidget* buddy) {
    auto* l = new QLabel(UiText(zorva::DialogLabelId(kDlg, order)), body);
    l->setBuddy(buddy);
    return l;
  };
  // Scripts and URLs run long: the fields scroll and hold every character.
  auto field = [&](int id) {
    auto* edit = new QLineEdit(body);
    name(edit, id);
    edit->setMaxLength(INT_MAX);
    m_fields[id] = edit;
    return edit;
  };

  // One column of labelled rows, kept tight: the area list shares the
  // frame's right edge with the panel.
  auto* form = new QFormLayout(body);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setRowWrapPolicy(QFormLayout::DontWrapRows);
  form->setContentsMargins(6, 4, 6, 4);
  form->setVerticalSpacing(4);
  m_type = new QComboBox(body);
  name(m_type, IDC_TYPE);
  for (unsigned i = 0; i < 4; ++i) m_type->addItem(UiText(zorva::DialogLabelId(kDlg, kFirstTypeItem + i)));
  form->addRow(label(kStyleLabel, m_type), m_type);
  m_closed = new QCheckBox(UiText(zorva::DialogControlTextId(kDlg, IDC_CLOSED)), body);
  name(m_closed, IDC_CLOSED);
  form->addRow(QString(), m_closed);
  m_points = new CPointRows(body);
  name(m_points, IDC_POINTS);
  m_points->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_points->setUniformItemSizes(true);
  // The rows are laid out in columns of characters.
  m_points->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  form->addRow(label(kPointsLabel, m_points), m_points);
  for (unsigned i = 0; i < 4; ++i) {
    QLineEdit* edit = field(kLinkFields[i]);
    form->addRow(label(kFirstLinkLabel + i, edit), edit);
  }
  // Kept attributes run longer than a link: the field wraps them.
  m_otherAttrs = new CGrowingField(body);
  name(m_otherAttrs, IDC_OTHERATTRS);
  form->addRow(label(kOtherAttrsLabel, m_otherAttrs), m_otherAttrs);
  // The docks keep their heights on their own: a grown field asks for room.
  // Once the form has taken the new height in.
  connect(m_otherAttrs, &CGrowingField::heightChanged, this, [this] {
    auto* frame = qobject_cast<QMainWindow*>(parentWidget());
    widget()->updateGeometry();
    updateGeometry();
    if (frame) frame->layout()->activate();
    const int need = widget() ? minimumSizeHint().height() : 0;
    if (frame && isVisible() && height() < need) frame->resizeDocks({this}, {need}, Qt::Vertical);
  }, Qt::QueuedConnection);
  m_scripts = new QCheckBox(UiText(zorva::DialogControlTextId(kDlg, IDC_JAVASCRIPT)), body);
  name(m_scripts, IDC_JAVASCRIPT);
  form->addRow(m_scripts);
  for (int i = 0; i < 3; ++i) {
    QLineEdit* edit = field(kScriptFields[i]);
    auto* button = new QToolButton(body);
    name(button, kScriptMenus[i]);
    button->setArrowType(Qt::RightArrow);
    button->setFocusPolicy(Qt::NoFocus);
    m_menuButtons[kScriptMenus[i]] = button;
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(edit, 1);
    row->addWidget(button);
    form->addRow(label(kFirstScriptLabel + unsigned(i), edit), row);
    connect(button, &QToolButton::clicked, this, [this, i, button] { OpenScriptMenu(i, button); });
  }
  setWidget(body);

  connect(m_type, &QComboBox::currentIndexChanged, this, [this] { Send(PanelChange::Edit); });
  connect(m_closed, &QCheckBox::clicked, this, [this] { Send(PanelChange::Edit); });
  connect(m_scripts, &QCheckBox::clicked, this, [this] { OnScriptsToggled(); });
  connect(m_points, &QListWidget::itemSelectionChanged, this,
          [this] { Send(PanelChange::PointSelection); });
  connect(m_points, &QListWidget::itemDoubleClicked, this, [this] { EditPointRow(); });
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible && onShown) onShown();
  });
  for (QWidget* w : {static_cast<QWidget*>(m_type), static_cast<QWidget*>(m_closed),
                     static_cast<QWidget*>(m_points), static_cast<QWidget*>(m_scripts)})
    w->installEventFilter(this);
  for (auto& [id, edit] : m_fields) edit->installEventFilter(this);
  m_otherAttrs->installEventFilter(this);
}

CPropertyBar::~CPropertyBar() {
  // The fields go while the bar is still whole: losing the focus as they go
  // must reach no view.
  Detach();
  m_bSending = true;
  delete widget();
}

void CPropertyBar::Detach() {
  onApply = nullptr;
  onReturnFocus = nullptr;
  onShown = nullptr;
}

QWidget* CPropertyBar::Control(int id) const {
  switch (id) {
    case IDC_TYPE: return m_type;
    case IDC_CLOSED: return m_closed;
    case IDC_POINTS: return m_points;
    case IDC_JAVASCRIPT: return m_scripts;
    case IDC_OTHERATTRS: return m_otherAttrs;
    default:
      if (QLineEdit* edit = Field(id)) return edit;
      return MenuButton(id);
  }
}

QLineEdit* CPropertyBar::Field(int id) const {
  auto it = m_fields.find(id);
  return it == m_fields.end() ? nullptr : it->second;
}

QCheckBox* CPropertyBar::Check(int id) const {
  return id == IDC_CLOSED ? m_closed : id == IDC_JAVASCRIPT ? m_scripts : nullptr;
}

QToolButton* CPropertyBar::MenuButton(int id) const {
  auto it = m_menuButtons.find(id);
  return it == m_menuButtons.end() ? nullptr : it->second;
}

void CPropertyBar::Send(PanelChange change) {
  if (m_bSending || !onApply) return;
  {
    FlagScope sending(m_bSending);
    onApply(change);
  }
  // The view has read every field: nothing typed is pending any more.
  for (auto& [id, edit] : m_fields) edit->setModified(false);
  m_otherAttrs->setModified(false);
}

void CPropertyBar::ApplyPendingEdit() {
  QWidget* focus = QApplication::focusWidget();
  for (auto& [id, edit] : m_fields)
    if (edit == focus && edit->isModified()) Send(PanelChange::Edit);
  if (m_otherAttrs == focus && m_otherAttrs->isModified()) Send(PanelChange::Edit);
}

void CPropertyBar::OnEnter() {
  if (m_bSending) return;
  if (onReturnFocus) onReturnFocus();
  Send(PanelChange::Enter);
}

void CPropertyBar::OnScriptsToggled() {
  const bool on = m_scripts->isChecked();
  for (int id : kScriptFields) Field(id)->setEnabled(on);
  for (auto& [id, button] : m_menuButtons) button->setEnabled(on);
  Send(PanelChange::Edit);
}

bool CPropertyBar::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
      OnEnter();
      return true;
    }
    case QEvent::FocusOut:
      // Leaving a field ends its edit. The window losing the focus to a
      // dialog does not: a command may be halfway through its work behind
      // that dialog (the page writer asking about an open outline), and
      // applying the panel replaces the selected area's points.
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) return false;
      for (auto& [id, edit] : m_fields)
        if (edit == watched) Send(PanelChange::Edit);
      if (watched == m_otherAttrs) Send(PanelChange::Edit);
      return false;
    default: return false;
  }
}

void CPropertyBar::OpenScriptMenu(int index, QToolButton* button) {
  QLineEdit* edit = Field(kScriptFields[index]);
  edit->setFocus(Qt::OtherFocusReason);
  std::vector<QString> names;
  for (const CString& bytes : m_doc.m_listScriptName) names.push_back(QString::fromStdString(ToPanelText(m_doc, bytes)));
  QMenu menu(this);
  if (names.empty()) menu.addAction(UiText(zorva::DialogLabelId(kDlg, kNoScriptNames)))->setEnabled(false);
  for (size_t i = 0; i < names.size(); ++i) {
    // In a menu text "&" marks a mnemonic and a tab starts the key column.
    QString shown = names[i];
    shown.replace(QLatin1Char('&'), QStringLiteral("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
    menu.addAction(shown)->setData(qulonglong(i));
  }
  QAction* chosen = menu.exec(button->mapToGlobal(QPoint(button->width(), 0)));
  if (!chosen || !chosen->data().isValid()) return;
  const qulonglong pick = chosen->data().toULongLong();
  if (pick >= names.size() || !edit->isEnabled()) return;
  edit->setFocus(Qt::OtherFocusReason);
  edit->insert(names[pick]);  // replaces the selection, as an undo step of the field
  Send(PanelChange::Edit);
}

void CPropertyBar::EditPointRow() {
  const int row = m_points->currentRow();
  QListWidgetItem* item = m_points->item(row);
  if (!item) return;
  auto report = [this](unsigned id, const std::vector<std::string>& args) {
    m_doc.ReportMessage(id, args, MB_OK | MB_ICONEXCLAMATION);
  };
  const std::optional<std::string> rewritten = EditCoordRow(item->text().toStdString(), report, this);
  if (!rewritten) return;
  item = m_points->item(row);
  if (!item) return;
  {
    const QSignalBlocker quiet(m_points);
    item->setText(QString::fromStdString(*rewritten));
    item->setSelected(true);
  }
  Send(PanelChange::Edit);
}

// --- IPropertyPanel ---

std::string CPropertyBar::GetText(int id) {
  if (id == IDC_OTHERATTRS) return m_otherAttrs->text().toStdString();
  QLineEdit* edit = Field(id);
  return edit ? edit->text().toStdString() : std::string();
}

void CPropertyBar::SetText(int id, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  // The same text again leaves the field as it is, with its caret and its
  // own undo steps (setText would drop them).
  auto write = [&shown](auto* edit) {
    if (edit->text() == shown) return;
    const QSignalBlocker quiet(edit);
    edit->setText(shown);
  };
  if (id == IDC_OTHERATTRS) write(m_otherAttrs);
  else if (QLineEdit* edit = Field(id)) write(edit);
}

bool CPropertyBar::GetCheck(int id) {
  QCheckBox* check = Check(id);
  return check && check->isChecked();
}

void CPropertyBar::SetCheck(int id, bool checked) {
  QCheckBox* check = Check(id);
  if (!check) return;
  {
    const QSignalBlocker quiet(check);
    check->setChecked(checked);
  }
  // The menu buttons serve the scripts only while scripting is on.
  if (check == m_scripts)
    for (auto& [bid, button] : m_menuButtons) button->setEnabled(checked);
}

bool CPropertyBar::IsEnabled(int id) {
  QWidget* w = Control(id);
  return w && w->isEnabled();
}

void CPropertyBar::Enable(int id, bool enabled) {
  QWidget* w = Control(id);
  if (!w) return;
  // A focused field the view disables passes the focus on; that is the
  // view's own writing, halfway through, and no edit to read back.
  const FlagScope quiet(m_bSending);
  w->setEnabled(enabled);
}

int CPropertyBar::GetCurSel(int id) { return id == IDC_TYPE ? m_type->currentIndex() : -1; }

void CPropertyBar::SetCurSel(int id, int index) {
  if (id != IDC_TYPE) return;
  const QSignalBlocker quiet(m_type);
  m_type->setCurrentIndex(index >= 0 && index < m_type->count() ? index : -1);
}

void CPropertyBar::ResetRows(int id) {
  if (id != IDC_POINTS) return;
  const QSignalBlocker quiet(m_points);
  m_points->clear();
}

void CPropertyBar::AddRow(int id, const std::string& text) {
  if (id != IDC_POINTS) return;
  const QSignalBlocker quiet(m_points);
  m_points->addItem(QString::fromStdString(text));
}

int CPropertyBar::GetRowCount(int id) { return id == IDC_POINTS ? m_points->count() : 0; }

std::string CPropertyBar::GetRowText(int id, int row) {
  QListWidgetItem* item = id == IDC_POINTS ? m_points->item(row) : nullptr;
  return item ? item->text().toStdString() : std::string();
}

bool CPropertyBar::GetRowSel(int id, int row) {
  QListWidgetItem* item = id == IDC_POINTS ? m_points->item(row) : nullptr;
  return item && item->isSelected();
}

void CPropertyBar::SetRowSel(int id, int row, bool selected) {
  QListWidgetItem* item = id == IDC_POINTS ? m_points->item(row) : nullptr;
  if (!item) return;
  const QSignalBlocker quiet(m_points);
  item->setSelected(selected);
}

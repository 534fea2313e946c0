// The frame's menu bar: every command with its text; the accelerators and
// prompts come with the command's action.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/CommandActions.h"
#include "ui/MainFrame.h"
#include "ui/UiText.h"
#include "view/CommandIds.h"

namespace {

struct MenuCommand {
  unsigned id;  // 0: a separator
  const char* text;
  bool checkable;
  const char* icon;
};

constexpr MenuCommand kSeparator{0, nullptr, false, nullptr};

// The texts are the product's own; keys shown after a tab are handled by the
// view, not by an accelerator.
const MenuCommand kFileMenu[] = {
    {ID_FILE_NEW, "新規作成(&N)", false, ":/toolbar/new.png"},
    {ID_FILE_OPEN, "開く(&O)...", false, ":/toolbar/open.png"},
    {ID_FILE_SAVE, "上書き保存(&S)", false, ":/toolbar/save.png"},
    {ID_FILE_SAVE_AS, "名前を付けて保存(&A)...", false, nullptr},
    {ID_FILE_EXPORT_SVG, "レスポンシブHTMLの書き出し(&R)...", false, nullptr},
};

const MenuCommand kEditMenu[] = {
    {ID_EDIT_UNDO, "取り消し(&U)", false, ":/toolbar/undo.png"},
    {ID_EDIT_REDO, "やり直し(&R)", false, ":/toolbar/redo.png"},
    kSeparator,
    {ID_EDIT_CUT, "切り取り(&T)", false, ":/toolbar/cut.png"},
    {ID_EDIT_COPY, "コピー(&C)", false, ":/toolbar/copy.png"},
    {ID_EDIT_PASTE, "貼り付け(&P)", false, ":/toolbar/paste.png"},
    {ID_EDIT_CLEAR, "消去(&D)", false, nullptr},
    {ID_EDIT_DUPLICATE, "複製(&L)", false, ":/toolbar/duplicate.png"},
    kSeparator,
    {ID_EDIT_CLEAR_ALL, "全て消去", false, nullptr},
    kSeparator,
    {ID_EDIT_TRACE_SETTINGS, "自動トレースの設定(&A)...", false, nullptr},
    {ID_EDIT_PREFERENCES, "環境設定(&F)...", false, nullptr},
};

const MenuCommand kViewMenu[] = {
    {ID_VIEW_TOOLBAR, "ツールバー(&T)", true, nullptr},
    {ID_VIEW_TOOLBOX, "ツールボックス(&B)", true, ":/toolbar/toolbox.png"},
    {ID_VIEW_PROPERTY, "プロパティ(&P)", true, ":/toolbar/property.png"},
    {ID_VIEW_AREALIST, "エリア一覧(&A)", true, ":/toolbar/arealist.png"},
    {ID_VIEW_STATUS_BAR, "ステータスバー(&S)", true, nullptr},
    kSeparator,
    {ID_VIEW_RULER, "ページルーラ(&R)", true, nullptr},
    {ID_VIEW_GUIDE, "ガイド(&G)", true, nullptr},
    kSeparator,
    {ID_VIEW_ZOOM50, "50%(&5)", true, nullptr},
    {ID_VIEW_ZOOM100, "100%(&1)", true, nullptr},
    {ID_VIEW_ZOOM200, "200%(&2)", true, nullptr},
    kSeparator,
    {ID_IMAGE_SHOW, "表示(&I)\tCtrl+T", true, nullptr},
    {ID_IMAGE_LIGHT, "淡色表示(&L)\tCtrl+T", true, nullptr},
    {ID_IMAGE_HIDE, "非表示(&H)\tCtrl+T", true, nullptr},
    kSeparator,
    {ID_HTML_PREVIEW, "HTMLプレビュー(&W)...", false, ":/toolbar/preview.png"},
};

const MenuCommand kHelpMenu[] = {
    {ID_HELP_CONTENTS, "目次(&C)", false, nullptr},
    kSeparator,
    {ID_APP_ABOUT, "ZORVAのバージョン情報 (&A)...", false, ":/toolbar/about.png"},
};

// The palette chart's item text lives in the string table.
constexpr unsigned kPaletteMenuText = 65041;

template <size_t N>
void Fill(QMenu* menu, CCommandActions& actions, const MenuCommand (&items)[N]) {
  for (const MenuCommand& c : items) {
    if (c.id == 0) menu->addSeparator();
    else menu->addAction(actions.Add(c.id, QString::fromUtf8(c.text), c.checkable, c.icon));
  }
}

}  // namespace

void CMainFrame::CreateMenus() {
  CCommandActions& actions = *m_actions;
  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  Fill(file, actions, kFileMenu);
  m_recentSeparator = file->addSeparator();
  for (unsigned id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id)
    file->addAction(actions.AddDynamic(id));
  file->addSeparator();
  file->addAction(actions.Add(ID_APP_EXIT, QStringLiteral("ZORVAの終了(&X)")));

  QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  Fill(edit, actions, kEditMenu);

  QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  Fill(view, actions, kViewMenu);
  view->addAction(actions.Add(ID_PALETTE_CHART, UiText(kPaletteMenuText)));

  QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
  Fill(help, actions, kHelpMenu);

  // A menu shows the states of the moment.
  for (QMenu* menu : {file, edit, view, help})
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

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
  bool checkable;
  const char* icon;
};

constexpr MenuCommand kSeparator{0, false, nullptr};

// The texts are the string table's (MenuTextId); keys shown after a tab are
// handled by the view, not by an accelerator.
const MenuCommand kFileMenu[] = {
    {ID_FILE_NEW, false, ":/toolbar/new.png"},
    {ID_FILE_OPEN, false, ":/toolbar/open.png"},
    {ID_FILE_SAVE, false, ":/toolbar/save.png"},
    {ID_FILE_SAVE_AS, false, nullptr},
    {ID_FILE_EXPORT_SVG, false, nullptr},
};

const MenuCommand kEditMenu[] = {
    {ID_EDIT_UNDO, false, ":/toolbar/undo.png"},
    {ID_EDIT_REDO, false, ":/toolbar/redo.png"},
    kSeparator,
    {ID_EDIT_CUT, false, ":/toolbar/cut.png"},
    {ID_EDIT_COPY, false, ":/toolbar/copy.png"},
    {ID_EDIT_PASTE, false, ":/toolbar/paste.png"},
    {ID_EDIT_CLEAR, false, nullptr},
    {ID_EDIT_DUPLICATE, false, ":/toolbar/duplicate.png"},
    kSeparator,
    {ID_EDIT_CLEAR_ALL, false, nullptr},
    kSeparator,
    {ID_EDIT_TRACE_SETTINGS, false, nullptr},
    {ID_EDIT_PREFERENCES, false, nullptr},
};

const MenuCommand kViewMenu[] = {
    {ID_VIEW_TOOLBAR, true, nullptr},
    {ID_VIEW_TOOLBOX, true, ":/toolbar/toolbox.png"},
    {ID_VIEW_PROPERTY, true, ":/toolbar/property.png"},
    {ID_VIEW_AREALIST, true, ":/toolbar/arealist.png"},
    {ID_VIEW_STATUS_BAR, true, nullptr},
    kSeparator,
    {ID_VIEW_RULER, true, nullptr},
    {ID_VIEW_GUIDE, true, nullptr},
    kSeparator,
    {ID_VIEW_ZOOM50, true, nullptr},
    {ID_VIEW_ZOOM100, true, nullptr},
    {ID_VIEW_ZOOM200, true, nullptr},
    kSeparator,
    {ID_IMAGE_SHOW, true, nullptr},
    {ID_IMAGE_LIGHT, true, nullptr},
    {ID_IMAGE_HIDE, true, nullptr},
    kSeparator,
    {ID_HTML_PREVIEW, false, ":/toolbar/preview.png"},
};

const MenuCommand kHelpMenu[] = {
    {ID_HELP_CONTENTS, false, nullptr},
    kSeparator,
    {ID_APP_ABOUT, false, ":/toolbar/about.png"},
};

// A menu item's text is string MenuTextId(command); the menus' own titles
// are the numbers just above the base, which no command takes.
constexpr unsigned kMenuTextBase = 3000000;
constexpr unsigned MenuTextId(unsigned command) { return kMenuTextBase + command; }
constexpr unsigned kMenuFile = kMenuTextBase + 1;
constexpr unsigned kMenuEdit = kMenuTextBase + 2;
constexpr unsigned kMenuView = kMenuTextBase + 3;
constexpr unsigned kMenuHelp = kMenuTextBase + 4;
// The palette chart's item text is older than that numbering.
constexpr unsigned kPaletteMenuText = 65041;

template <size_t N>
void Fill(QMenu* menu, CCommandActions& actions, const MenuCommand (&items)[N]) {
  for (const MenuCommand& c : items) {
    if (c.id == 0) menu->addSeparator();
    else menu->addAction(actions.Add(c.id, UiText(MenuTextId(c.id)), c.checkable, c.icon));
  }
}

}  // namespace

void CMainFrame::CreateMenus() {
  CCommandActions& actions = *m_actions;
  QMenu* file = menuBar()->addMenu(UiText(kMenuFile));
  Fill(file, actions, kFileMenu);
  m_recentSeparator = file->addSeparator();
  for (unsigned id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id)
    file->addAction(actions.AddDynamic(id));
  file->addSeparator();
  file->addAction(actions.Add(ID_APP_EXIT, UiText(MenuTextId(ID_APP_EXIT))));

  QMenu* edit = menuBar()->addMenu(UiText(kMenuEdit));
  Fill(edit, actions, kEditMenu);

  QMenu* view = menuBar()->addMenu(UiText(kMenuView));
  Fill(view, actions, kViewMenu);
  view->addAction(actions.Add(ID_PALETTE_CHART, UiText(kPaletteMenuText)));

  QMenu* help = menuBar()->addMenu(UiText(kMenuHelp));
  Fill(help, actions, kHelpMenu);

  // A menu shows the states of the moment.
  for (QMenu* menu : {file, edit, view, help})
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

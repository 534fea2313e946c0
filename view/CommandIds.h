#pragma once
// Command identifiers of the editing view and the frame, as menus, toolbar
// buttons and accelerators send them.

// Tools, by the command ids of the tool box buttons (ID_TOOL_ARROW = 32801
// ..., one line each in view/ToolList.h; the hand tool is only ever
// temporary). ID_TOOL_NONE asks for no temporary tool: the chosen one comes
// back.
enum ToolId : int {
  ID_TOOL_NONE = 0,
#define ZORVA_TOOL(NAME, number, ...) ID_TOOL_##NAME = number,
#define ZORVA_TOOL_WITHOUT_CLASS(NAME, number, ...) ID_TOOL_##NAME = number,
#include "view/ToolList.h"
#undef ZORVA_TOOL
#undef ZORVA_TOOL_WITHOUT_CLASS
};

// View menu.
constexpr unsigned ID_VIEW_ZOOM50 = 32772;
constexpr unsigned ID_VIEW_ZOOM100 = 32773;
constexpr unsigned ID_VIEW_ZOOM200 = 32774;
constexpr unsigned ID_VIEW_RULER = 32780;
constexpr unsigned ID_VIEW_GUIDE = 32781;
constexpr unsigned ID_IMAGE_SHOW = 32788;
constexpr unsigned ID_IMAGE_LIGHT = 32789;
constexpr unsigned ID_IMAGE_HIDE = 32790;
constexpr unsigned ID_ZOOM_COMBO = 32814;

// Bars, preview and preferences (the frame handles them).
constexpr unsigned ID_VIEW_TOOLBAR = 59392;
constexpr unsigned ID_VIEW_STATUS_BAR = 59393;
constexpr unsigned ID_VIEW_TOOLBOX = 32779;
constexpr unsigned ID_VIEW_PROPERTY = 32782;
constexpr unsigned ID_VIEW_AREALIST = 32815;
constexpr unsigned ID_HTML_PREVIEW = 32820;
constexpr unsigned ID_EDIT_PREFERENCES = 32777;

// Edit menu.
constexpr unsigned ID_EDIT_CLEAR = 57632;  // delete
constexpr unsigned ID_EDIT_CLEAR_ALL = 57633;
constexpr unsigned ID_EDIT_COPY = 57634;
constexpr unsigned ID_EDIT_CUT = 57635;
constexpr unsigned ID_EDIT_PASTE = 57637;
constexpr unsigned ID_EDIT_UNDO = 57643;
constexpr unsigned ID_EDIT_REDO = 57644;
constexpr unsigned ID_EDIT_DUPLICATE = 32785;
// The trace tool's tolerance and simplification (the frame handles it).
constexpr unsigned ID_EDIT_TRACE_SETTINGS = 32831;
constexpr unsigned ID_PALETTE_CHART = 32823;

// File menu (handled by the document and the application).
constexpr unsigned ID_FILE_NEW = 57600;
constexpr unsigned ID_FILE_OPEN = 57601;
constexpr unsigned ID_FILE_SAVE = 57603;
constexpr unsigned ID_FILE_SAVE_AS = 57604;
constexpr unsigned ID_FILE_EXPORT_SVG = 32830;  // the responsive page, whatever the settings choose
constexpr unsigned ID_APP_EXIT = 57665;
// The four recent files, first to last.
constexpr unsigned ID_FILE_MRU_FIRST = 57616;
constexpr unsigned ID_FILE_MRU_LAST = 57619;
constexpr unsigned ID_NEXT_PANE = 57680;
constexpr unsigned ID_PREV_PANE = 57681;

// Help menu.
constexpr unsigned ID_APP_ABOUT = 57664;
constexpr unsigned ID_HELP_CONTENTS = 57666;

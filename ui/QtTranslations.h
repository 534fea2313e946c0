#pragma once
// Qt's own texts (standard buttons, the file dialog) in the language of the
// program's texts.
class QTranslator;

// Loads Qt's Japanese `catalogue` ("qtbase": the standard dialogs; "qt_help":
// the help views) from Qt's translations folder into `translator` and
// installs it; false when the catalogue is not there (those texts then stay
// in English).
bool InstallJapaneseQtTranslations(QTranslator& translator, const char* catalogue = "qtbase");

// The same for the interface's language (zorva::CurrentUiLanguage): Qt's
// texts are English already, so English installs nothing and is true.
bool InstallUiQtTranslations(QTranslator& translator, const char* catalogue = "qtbase");

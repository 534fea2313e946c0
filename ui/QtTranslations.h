#pragma once
// Qt's own texts (standard buttons, the file dialog) in Japanese, to match the
// program's texts.
class QTranslator;

// Loads Qt's Japanese `catalogue` ("qtbase": the standard dialogs; "qt_help":
// the help views) from Qt's translations folder into `translator` and
// installs it; false when the catalogue is not there (those texts then stay
// in English).
bool InstallJapaneseQtTranslations(QTranslator& translator, const char* catalogue = "qtbase");

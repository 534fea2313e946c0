#pragma once
// Qt's own texts (standard buttons, the file dialog) in Japanese, to match the
// program's texts.
class QTranslator;

// Loads Qt's Japanese "qtbase" catalogue from Qt's translations folder into
// `translator` and installs it; false when the catalogue is not there (the
// standard dialogs then stay in English).
bool InstallJapaneseQtTranslations(QTranslator& translator);

#pragma once
// The language of the interface: Japanese (the texts' source) or English,
// from the locale or the user's choice, and installing its catalogue.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

enum class UiLanguage { Japanese, English };

// The language the locale asks for: the first of LANGUAGE (its first entry),
// LC_ALL, LC_MESSAGES and LANG that is set and not empty decides; "ja..." is
// Japanese, anything else, and none at all, English. `getenv` reads a variable.
UiLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv);

// The settings store's key (in the section "Settings") of the user's choice.
inline constexpr const char* kSettingLanguage = "Language";

// The user's setting ("ja", "en"; anything else, as "system", follows the locale).
UiLanguage LanguageFromSetting(std::string_view setting, UiLanguage fromLocale);

// "ja" or "en": the suffix of the language's catalogues and manual.
const char* LanguageCode(UiLanguage language);

// Where the catalogues are looked for, first to last: `translations/` beside
// the program (the build tree), then the installed share/zorva/translations.
std::vector<std::string> TranslationFolders();

// The language the texts are in now: Japanese until InstallUiLanguage
// installed another.
UiLanguage CurrentUiLanguage();

// Makes `language` the language of the string table: English loads
// zorva_en.qm from the first of `folders` that has it; Japanese drops any
// translation. When no folder has the catalogue, or it cannot be read, the
// texts stay Japanese and `error` says why.
enum class InstallResult { Installed, Missing, Unreadable };
InstallResult InstallUiLanguage(UiLanguage language, const std::vector<std::string>& folders, std::string* error);

}  // namespace zorva

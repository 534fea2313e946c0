#include "platform/UiLanguage.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileSystem.h"
#include "platform/QmCatalogue.h"
#include "platform/StringTable.h"

#ifndef ZORVA_DATA_DIR_FROM_BIN
#define ZORVA_DATA_DIR_FROM_BIN "../share/zorva"
#endif

namespace zorva {

namespace {
UiLanguage g_current = UiLanguage::Japanese;

// A catalogue is a few hundred texts; anything far larger is not one.
constexpr uint64_t kMaxCatalogueBytes = 16u << 20;

std::string ProgramFolder() {
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return std::string();
  std::string path(buffer, size_t(n));
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
}  // namespace

UiLanguage LanguageFromLocale(const std::function<const char*(const char*)>& getenv) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (!value || !*value) continue;
    // LANGUAGE is a list ("ja:en"); its first entry is the wish.
    std::string_view first(value);
    first = first.substr(0, first.find(':'));
    if (first.empty()) continue;
    return first.substr(0, 2) == "ja" ? UiLanguage::Japanese : UiLanguage::English;
  }
  return UiLanguage::English;
}

UiLanguage LanguageFromSetting(std::string_view setting, UiLanguage fromLocale) {
  if (setting == "ja") return UiLanguage::Japanese;
  if (setting == "en") return UiLanguage::English;
  return fromLocale;
}

UiLanguage CurrentUiLanguage() { return g_current; }

const char* LanguageCode(UiLanguage language) { return language == UiLanguage::Japanese ? "ja" : "en"; }

std::vector<std::string> TranslationFolders() {
  const std::string program = ProgramFolder();
  if (program.empty()) return {};
  return {program + "/translations", program + "/" ZORVA_DATA_DIR_FROM_BIN "/translations"};
}

InstallResult InstallUiLanguage(UiLanguage language, const std::vector<std::string>& folders, std::string* error) {
  if (language == UiLanguage::Japanese) {
    InstallStringTranslations({});
    g_current = language;
    return InstallResult::Installed;
  }
  const std::string name = std::string("zorva_") + LanguageCode(language) + ".qm";
  std::string lastError = "no folder to look in for " + name;
  for (const std::string& folder : folders) {
    const std::string path = folder + "/" + name;
    if (::access(path.c_str(), F_OK) != 0) {
      lastError = name + " is not in " + folder;
      continue;
    }
    std::string bytes;
    int err = 0;
    if (!ReadWholeFsFile(path, bytes, &err, kMaxCatalogueBytes)) {
      if (error) *error = path + ": " + (err > 0 ? std::strerror(err) : "not a regular file, or too large");
      return InstallResult::Unreadable;
    }
    std::string why;
    auto messages = ReadQmCatalogue(bytes, &why);
    if (!messages) {
      if (error) *error = path + ": " + why;
      return InstallResult::Unreadable;
    }
    InstallStringTranslations(*messages);
    g_current = language;
    return InstallResult::Installed;
  }
  if (error) *error = lastError;
  return InstallResult::Missing;
}

}  // namespace zorva

// The interface's language: which one the locale asks for, reading compiled
// catalogues, and the string table in English against the Japanese source.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <regex>

#include "TestSupport.h"
#include "platform/CodePage.h"
#include "platform/QmCatalogue.h"
#include "platform/StringTable.h"
#include "platform/UiLanguage.h"

using namespace zorva;
using namespace zorva::test;

namespace {

// Back to the Japanese source after each test, as the other tests expect.
class UiLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { InstallUiLanguage(UiLanguage::Japanese, {}, nullptr); }
};

TEST(UiLanguageLocale, FirstSetVariableDecides) {
  using Env = std::map<std::string, std::string>;
  struct Case {
    Env env;
    UiLanguage expected;
  };
  const Case cases[] = {
      {{}, UiLanguage::English},
      {{{"LANG", "ja_JP.UTF-8"}}, UiLanguage::Japanese},
      {{{"LANG", "ja"}}, UiLanguage::Japanese},
      {{{"LANG", "C"}}, UiLanguage::English},
      {{{"LANG", "en_US.UTF-8"}}, UiLanguage::English},
      {{{"LANG", "de_DE.UTF-8"}}, UiLanguage::English},
      {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "C"}}, UiLanguage::English},
      {{{"LANG", "C"}, {"LC_MESSAGES", "ja_JP.eucJP"}}, UiLanguage::Japanese},
      {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, UiLanguage::English},
      {{{"LC_ALL", "ja_JP.UTF-8"}, {"LANGUAGE", "en:ja"}}, UiLanguage::English},
      {{{"LC_ALL", "C"}, {"LANGUAGE", "ja:en"}}, UiLanguage::Japanese},
      // Set but empty counts as not set; so does an empty first list entry.
      {{{"LANG", "ja_JP.UTF-8"}, {"LC_ALL", ""}, {"LANGUAGE", ""}}, UiLanguage::Japanese},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", ":ja"}}, UiLanguage::English},
      {{{"LANG", "ja_JP"}}, UiLanguage::Japanese},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& [k, v] : c.env) shown += k + "=" + v + " ";
    const UiLanguage got = LanguageFromLocale([&](const char* name) -> const char* {
      auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(got, c.expected) << shown;
  }
}

TEST(UiLanguageLocale, SettingOverridesTheLocale) {
  EXPECT_EQ(LanguageFromSetting("ja", UiLanguage::English), UiLanguage::Japanese);
  EXPECT_EQ(LanguageFromSetting("en", UiLanguage::Japanese), UiLanguage::English);
  for (const char* follow : {"system", "", "fr", "JA"}) {
    EXPECT_EQ(LanguageFromSetting(follow, UiLanguage::Japanese), UiLanguage::Japanese) << follow;
    EXPECT_EQ(LanguageFromSetting(follow, UiLanguage::English), UiLanguage::English) << follow;
  }
}

// Placeholders a text's callers fill in: they must all survive translation.
std::multiset<std::string> Placeholders(const std::string& text) {
  static const std::regex placeholder("%[1-9s%]");
  std::multiset<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

TEST_F(UiLanguageTest, EveryTextHasItsEnglishFormAndTheModelKeepsJapanese) {
  std::string error;
  ASSERT_EQ(InstallUiLanguage(UiLanguage::English, {"/nonexistent", BuiltTranslationsFolder()}, &error),
            InstallResult::Installed)
      << error;
  EXPECT_EQ(CurrentUiLanguage(), UiLanguage::English);
  // Lead bytes of kana, kanji and half-width kana in UTF-8.
  auto japanese = [](const std::string& text) {
    for (unsigned char c : text)
      if ((c >= 0xE3 && c <= 0xE9) || c == 0xEF) return true;
    return false;
  };
  size_t changed = 0;
  for (unsigned id : AllStringIds()) {
    const std::string& source = LoadSourceStringUtf8(id);
    const std::string& english = LoadStringUtf8(id);
    ASSERT_FALSE(english.empty()) << id;
    EXPECT_FALSE(japanese(english)) << id << ": " << english;
    EXPECT_EQ(Placeholders(english), Placeholders(source)) << id << ": " << english;
    changed += english != source;
  }
  EXPECT_GT(changed, AllStringIds().size() / 2);
  EXPECT_EQ(LoadStringUtf8(61207), "Default area");
  EXPECT_EQ(LoadStringUtf8(3000001), "&File");
  // Texts that enter the model do not follow the language.
  EXPECT_EQ(LoadStringCp932(61207), Utf8ToCp932("デフォルトエリア").value());
  EXPECT_EQ(LoadStringCp932(61208), Utf8ToCp932("名称未設定").value());

  ASSERT_EQ(InstallUiLanguage(UiLanguage::Japanese, {}, &error), InstallResult::Installed);
  EXPECT_EQ(CurrentUiLanguage(), UiLanguage::Japanese);
  for (unsigned id : AllStringIds()) EXPECT_EQ(LoadStringUtf8(id), LoadSourceStringUtf8(id)) << id;
}

TEST_F(UiLanguageTest, MissingOrBrokenCatalogueLeavesJapaneseAndSaysWhy) {
  TempDir dir;
  std::string error;
  EXPECT_EQ(InstallUiLanguage(UiLanguage::English, {dir.path().string()}, &error), InstallResult::Missing);
  EXPECT_NE(error.find("zorva_en.qm"), std::string::npos) << error;
  WriteFileBytes(dir.File("zorva_en.qm"), "not a catalogue at all");
  EXPECT_EQ(InstallUiLanguage(UiLanguage::English, {dir.path().string()}, &error), InstallResult::Unreadable);
  EXPECT_NE(error.find("not a translation catalogue"), std::string::npos) << error;
  EXPECT_EQ(CurrentUiLanguage(), UiLanguage::Japanese);
  EXPECT_EQ(LoadStringUtf8(61207), "デフォルトエリア");
}

// Which entries a catalogue's messages translate: by number and text, by
// text alone where lrelease left the number out, never a changed text.
TEST_F(UiLanguageTest, MessagesApplyByNumberAndText) {
  const std::string open = LoadSourceStringUtf8(57616);  // also 57617-57619
  ASSERT_EQ(open, LoadSourceStringUtf8(57619));
  struct Case {
    const char* name;
    std::vector<QmMessage> messages;
    std::map<unsigned, std::string> expected;  // "" : stays Japanese
  };
  const Case cases[] = {
      {"number and text", {{kStringTableContext, open, "57617", "B"}}, {{57616, ""}, {57617, "B"}, {57619, ""}}},
      {"text alone applies to each entry with it", {{kStringTableContext, open, "", "A"}},
       {{57616, "A"}, {57617, "A"}, {57619, "A"}}},
      {"the number wins over the text alone",
       {{kStringTableContext, open, "", "A"}, {kStringTableContext, open, "57618", "C"}},
       {{57616, "A"}, {57618, "C"}}},
      {"a text that changed since is not used", {{kStringTableContext, "古い文", "57616", "Old"}}, {{57616, ""}}},
      {"a number that is not the text's", {{kStringTableContext, open, "61207", "Wrong"}}, {{61207, ""}}},
      {"another context", {{"Other", open, "57616", "X"}}, {{57616, ""}}},
      {"an empty translation", {{kStringTableContext, open, "57616", ""}}, {{57616, ""}}},
  };
  for (const Case& c : cases) {
    InstallStringTranslations(c.messages);
    for (const auto& [id, text] : c.expected)
      EXPECT_EQ(LoadStringUtf8(id), text.empty() ? LoadSourceStringUtf8(id) : text) << c.name << " " << id;
  }
}

// The catalogue reader survives any bytes: cut anywhere or with bytes
// changed, it returns messages or says what was wrong, and never reads past.
TEST(QmCatalogue, SurvivesCutAndDamagedCatalogues) {
  const std::string bytes = ReadFileBytes(BuiltTranslationsFolder() + "/zorva_en.qm");
  std::string error;
  auto whole = ReadQmCatalogue(bytes, &error);
  ASSERT_TRUE(whole) << error;
  EXPECT_GE(whole->size(), AllStringIds().size() - 10);  // lrelease folds identical texts
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    // Copied so the sanitizer sees a read past the cut.
    const std::string part = bytes.substr(0, cut);
    error.clear();
    auto read = ReadQmCatalogue(part, &error);
    if (read) {
      EXPECT_LE(read->size(), whole->size()) << cut;
    } else {
      EXPECT_FALSE(error.empty()) << cut;
    }
  }
  std::mt19937 random(34);
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = bytes;
    for (int k = 0; k < 4; ++k) damaged[random() % damaged.size()] = char(random());
    error.clear();
    if (!ReadQmCatalogue(damaged, &error)) {
      EXPECT_FALSE(error.empty());
    }
  }
}

}  // namespace

// zorva-cli under different locales: its messages follow the locale, what it
// writes never does.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/CodePage.h"

using namespace zorva;
using namespace zorva::test;

namespace {

const char* const kLocales[] = {"C", "en_US.UTF-8", "ja_JP.UTF-8"};

// zorva-cli with only LANG deciding the language (the test harness's
// LANGUAGE=ja taken away) and the settings file of `config`.
CommandResult RunUnder(const std::string& lang, const std::string& config, std::vector<std::string> args) {
  std::vector<std::string> argv = {"/usr/bin/env", "-u", "LANGUAGE", "-u", "LC_ALL", "-u", "LC_MESSAGES",
                                   "LANG=" + lang, "XDG_CONFIG_HOME=" + config, ZORVA_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunCommand(argv);
}

const std::string kSamples = std::string(ZORVA_TEST_DATA_DIR) + "/../../samples/";

TEST(LocaleCli, PagesAndProjectsAreTheSameBytesUnderEveryLocale) {
  TempDir dir;
  struct Output {
    const char* name;
    std::vector<std::string> args;  // OUT is appended
  };
  const Output outputs[] = {
      {"from-project.html", {"convert", kSamples + "sample.zvf"}},
      {"from-project-html5.html", {"convert", "--doctype", "5", "--charcode", "2", kSamples + "sample.zvf"}},
      {"from-project-svg.html", {"convert", "--map", "svg", kSamples + "sample.zvf"}},
      {"from-page.zvf", {"convert", kSamples + "sample.html"}},
      {"from-picture.zvf", {"convert", kSamples + "sample.jpg"}},
      {"from-picture.html", {"convert", kSamples + "sample.jpg"}},
  };
  for (const Output& o : outputs) {
    std::string first;
    for (const char* lang : kLocales) {
      const std::string out = dir.File(std::string(lang) + "-" + o.name);
      std::vector<std::string> args = o.args;
      args.push_back(out);
      const CommandResult r = RunUnder(lang, dir.path().string(), args);
      ASSERT_EQ(r.status, 0) << o.name << " " << lang << ": " << r.err;
      const std::string bytes = ReadFileBytes(out);
      ASSERT_FALSE(bytes.empty()) << o.name;
      if (first.empty()) {
        first = bytes;
      } else {
        EXPECT_EQ(bytes, first) << o.name << " differs under " << lang;
      }
    }
    // A new page's default area keeps its Japanese comment (in Shift_JIS)
    // in any language.
    if (std::string(o.name) == "from-picture.html") {
      EXPECT_NE(first.find("<!-- " + Utf8ToCp932("デフォルトエリア").value() + " -->"), std::string::npos);
    }
  }
}

TEST(LocaleCli, MessagesFollowTheLocale) {
  TempDir dir;
  const std::string missing = dir.File("missing.zvf");
  struct Case {
    const char* lang;
    const char* expected;
  };
  const Case cases[] = {
      {"C", "was not found."},
      {"en_US.UTF-8", "was not found."},
      {"de_DE.UTF-8", "was not found."},
      {"ja_JP.UTF-8", "が見つかりませんでした。"},
  };
  for (const Case& c : cases) {
    const CommandResult r = RunUnder(c.lang, dir.path().string(), {"dump", missing});
    EXPECT_EQ(r.status, 1) << c.lang;
    EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.lang << ": " << r.err;
  }
}

}  // namespace

// zorva-cli: the editor's core on the command line.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "ZorvaVersion.h"
#include "cli/CliCommand.h"
#include "platform/UiLanguage.h"

namespace zorva::cli {

namespace {
std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}
}  // namespace

const std::vector<CliCommand>& Commands() { return Registry(); }

CliCommandRegistration::CliCommandRegistration(const CliCommand& command) {
  Registry().push_back(command);
}

int UsageError(const std::string& command, const std::string& what) {
  std::fprintf(stderr, "zorva-cli %s: %s\nTry 'zorva-cli --help'.\n", command.c_str(), what.c_str());
  return kExitUsage;
}

}  // namespace zorva::cli

using namespace zorva::cli;

static void PrintHelp() {
  std::printf(
      "Usage: zorva-cli COMMAND [ARGUMENTS]\n"
      "The ZORVA image-map editor's core on the command line.\n\n"
      "Commands:\n");
  for (const CliCommand& c : Commands()) std::printf("  %-44s %s\n", c.synopsis, c.description);
  std::printf(
      "\nPage options (reading and writing .html and .htm):\n"
      "  --image N                  the image (from 0) of a page that has several\n"
      "  --unclosed close|ignore|cancel, --shape convert|ignore|cancel\n"
      "                             answers to the writer's questions (default cancel)\n"
      "  --newline crlf|cr|lf, --doctype 0|2|3|4|5 (5: HTML5), --charcode 0|1|2|3,\n"
      "  --charcase 0|1|2\n"
      "                             output settings; by default those the editor keeps\n"
      "                             in $XDG_CONFIG_HOME/Ulmora/ZORVA.conf (~/.config),\n"
      "                             with its start-up defaults where none is stored\n"
      "  --map classic|svg, --hover on|off\n"
      "                             the map of a new page: a classic map, or an SVG over\n"
      "                             the picture that scales with it (hover: highlight)\n"
      "\nOptions:\n"
      "  --help       show this help\n"
      "  --version    show the version\n\n"
      "Exit status: 0 success, 1 the operation failed (message on stderr) or check found\n"
      "a fault, 2 usage error.\n");
}

// The messages speak the locale's language; the files written never depend on it.
static void ChooseLanguage() {
  const zorva::UiLanguage language = zorva::LanguageFromLocale([](const char* name) { return std::getenv(name); });
  // Without the catalogue (a build that is not installed where it looks) the
  // messages stay Japanese quietly, as gettext does; a broken one is said.
  std::string error;
  if (zorva::InstallUiLanguage(language, zorva::TranslationFolders(), &error) == zorva::InstallResult::Unreadable)
    std::fprintf(stderr, "zorva-cli: %s; messages stay in Japanese\n", error.c_str());
}

int main(int argc, char** argv) {
  ChooseLanguage();
  if (argc < 2) {
    PrintHelp();
    return kExitUsage;
  }
  std::string first = argv[1];
  if (first == "--help" || first == "-h" || first == "help") {
    PrintHelp();
    return kExitOk;
  }
  if (first == "--version") {
    std::printf("zorva-cli %s\n", ZORVA_VERSION);
    return kExitOk;
  }
  for (const CliCommand& c : Commands()) {
    if (first == c.name) {
      try {
        std::vector<std::string> args(argv + 2, argv + argc);
        return c.run(args);
      } catch (const std::bad_alloc&) {
        // The commands report running out of memory where they can say what
        // failed; anything left ends here with a message, not an abort.
        std::fprintf(stderr, "zorva-cli %s: %s\n", c.name, std::strerror(ENOMEM));
        return kExitFailed;
      }
    }
  }
  std::fprintf(stderr, "zorva-cli: unknown command '%s'\nTry 'zorva-cli --help'.\n", first.c_str());
  return kExitUsage;
}

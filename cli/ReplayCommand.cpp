// zorva-cli replay INPUT SCRIPT OUT [PAGE OPTIONS]: open INPUT as the editor
// does, run the editing view over it as SCRIPT says (mouse, keys, commands,
// the property panel, the area list) and save OUT as Save As does. SCRIPT
// "-" is read from standard input.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "cli/HtmlOptions.h"
#include "cli/ReplayScript.h"
#include "cli/ReplaySession.h"
#include "platform/PathSplit.h"

namespace zorva::cli {
namespace {

int BadLine(const std::string& script, const ReplayError& e) {
  std::fprintf(stderr, "zorva-cli replay: %s line %lld: %s: %s\n", script.c_str(), static_cast<long long>(e.line),
               e.reason.c_str(), PrintableLine(e.source).c_str());
  return kExitUsage;
}

// Reads the whole script; kExitOk when every line is good.
int ReadScript(const std::string& name, std::vector<ReplayCommand>& script) {
  const bool standardInput = name == "-";
  std::FILE* file = standardInput ? stdin : std::fopen(name.c_str(), "rb");
  if (!file) {
    std::fprintf(stderr, "zorva-cli replay: %s: %s\n", name.c_str(), std::strerror(errno));
    return kExitFailed;
  }
  ReplayError error;
  const ScriptRead read = ReadReplayScript(file, script, error);
  if (!standardInput) std::fclose(file);
  if (read == ScriptRead::ReadFailed) {
    std::fprintf(stderr, "zorva-cli replay: %s: %s\n", name.c_str(), error.reason.c_str());
    return kExitFailed;
  }
  return read == ScriptRead::BadLine ? BadLine(name, error) : kExitOk;
}

int RunReplay(const std::vector<std::string>& arguments) {
  std::vector<std::string> args = arguments;
  HtmlOptions options;
  std::string error;
  if (!TakeHtmlOptions(args, options, error)) return UsageError("replay", error);
  if (args.size() != 3) return UsageError("replay", "expected INPUT, SCRIPT and OUT");
  auto in = ModelPath("replay", args[0]);
  auto out = ModelPath("replay", args[2]);
  if (!in || !out) return kExitFailed;
  if (!IsSavePath(*out))
    return UsageError("replay", "cannot write '" + args[2] + "': OUT must end in .zvf, .html or .htm");

  std::vector<ReplayCommand> script;
  if (int status = ReadScript(args[1], script); status != kExitOk) return status;

  // A page's settings are read before the script runs, as the editor holds
  // them while the user types.
  CMemorySettingsStore settings;
  const bool page = IsPagePath(*out);
  if (page && !BuildHtmlSettings(options, settings)) return kExitFailed;
  ISettingsStore* pageSettings = page ? &settings : nullptr;
  CReplaySession session(options);
  if (!session.Open(*in)) return kExitFailed;
  ReplayError failed;
  if (!session.Run(script, failed, pageSettings)) return BadLine(args[1], failed);
  return session.Save(*out, pageSettings) ? kExitOk : kExitFailed;
}

const CliCommandRegistration kReplay(
    {"replay", "replay INPUT SCRIPT OUT [PAGE OPTIONS]",
     "open INPUT, run the editing view as SCRIPT says, save OUT (.zvf, .html, .htm)", RunReplay});

}  // namespace
}  // namespace zorva::cli

#pragma once
// zorva-cli's commands. Each command lives in a file of its own and registers
// itself with a static CliCommandRegistration.
#include <string>
#include <vector>

namespace zorva::cli {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the operation failed; the product's message is on stderr
constexpr int kExitUsage = 2;   // the command line was wrong

struct CliCommand {
  const char* name;
  const char* synopsis;     // "dump FILE"
  const char* description;  // one line
  int (*run)(const std::vector<std::string>& args);  // args after the command name
};

const std::vector<CliCommand>& Commands();

struct CliCommandRegistration {
  explicit CliCommandRegistration(const CliCommand& command);
};

// Prints a usage error for `command` on stderr and returns kExitUsage.
int UsageError(const std::string& command, const std::string& what);

}  // namespace zorva::cli

#pragma once
// The editor's settings file as zorva-cli reads it: the INI file that the
// editor's settings store keeps ($XDG_CONFIG_HOME or ~/.config, then
// Ulmora/ZORVA.conf). zorva-cli only reads it and never writes it.
#include <cstdint>
#include <string>

#include "platform/SettingsStore.h"

namespace zorva::cli {

// Where the editor keeps its settings.
std::string UserSettingsPath();

// Reads every "key=value" line of the INI text into `store`, by section.
// Values are unescaped and unquoted as the editor's store writes them.
void ParseIniSettings(const std::string& text, CMemorySettingsStore& store);

// The largest settings file read. The editor's file holds four values and a
// list of recent files: a few kilobytes.
constexpr uint64_t kMaxSettingsFileBytes = uint64_t(1) << 20;

// The user's settings file into `store`; an absent file adds nothing. A file
// that is there but cannot be read (a folder, a device or a pipe, larger
// than the limit, unreadable) adds nothing and gives false, with the
// file-system message naming it in `error`: pages written without the
// settings the user chose would come out in another form than asked.
bool LoadUserSettings(CMemorySettingsStore& store, std::string& error);

}  // namespace zorva::cli

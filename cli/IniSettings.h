#pragma once
// The editor's settings file as zorva-cli reads it: the INI file that the
// editor's settings store keeps ($XDG_CONFIG_HOME or ~/.config, then
// Ulmora/ZORVA.conf). zorva-cli only reads it and never writes it.
#include <string>

#include "platform/SettingsStore.h"

namespace zorva::cli {

// Where the editor keeps its settings.
std::string UserSettingsPath();

// Reads every "key=value" line of the INI text into `store`, by section.
// Values are unescaped and unquoted as the editor's store writes them.
void ParseIniSettings(const std::string& text, CMemorySettingsStore& store);

// The user's settings file into `store`; an absent or unreadable file adds nothing.
void LoadUserSettings(CMemorySettingsStore& store);

}  // namespace zorva::cli

#pragma once
// Where the HTML output settings live in the settings store, and the defaults
// that start-up writes when they are missing.
#include "platform/SettingsStore.h"

namespace zorva {

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kSettingNewline = "newline";
inline constexpr const char* kSettingDoctype = "doctype";
inline constexpr const char* kSettingCharcode = "charcode";
inline constexpr const char* kSettingCharcase = "charcase";
// The form of the map of a new page, and the responsive form's hover
// highlight; absent, both read as 0 (the classic map, no highlight).
inline constexpr const char* kSettingMapForm = "mapform";
inline constexpr const char* kSettingSvgHover = "svghover";

// Writes "newline" = "\r\n", "doctype" = 2 and "charcode" = 1 where they are
// absent; stored values (even 0 or "\r") stay. "charcase" is not touched.
void CompleteHtmlSettings(ISettingsStore& store);

}  // namespace zorva

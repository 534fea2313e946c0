#include "html/HtmlSettingsDefaults.h"

namespace zorva {

void CompleteHtmlSettings(ISettingsStore& store) {
  if (store.GetString(kSettingsSection, kSettingNewline, "unknown") == "unknown")
    store.WriteString(kSettingsSection, kSettingNewline, "\r\n");
  if (store.GetInt(kSettingsSection, kSettingDoctype, -1) == -1)
    store.WriteInt(kSettingsSection, kSettingDoctype, 2);
  if (store.GetInt(kSettingsSection, kSettingCharcode, -1) == -1)
    store.WriteInt(kSettingsSection, kSettingCharcode, 1);
}

}  // namespace zorva

#pragma once
// The settings store on QSettings("Ulmora", "ZORVA"): ~/.config/Ulmora/ZORVA.conf.
#include <QSettings>

#include "platform/SettingsStore.h"

class CQtSettingsStore : public zorva::ISettingsStore {
 public:
  CQtSettingsStore();
  int GetInt(const std::string& section, const std::string& name, int defaultValue) override;
  std::string GetString(const std::string& section, const std::string& name,
                        const std::string& defaultValue) override;
  bool WriteInt(const std::string& section, const std::string& name, int value) override;
  bool WriteString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  QSettings& Settings() { return m_settings; }

 private:
  QSettings m_settings;
};

#include <cstdlib>

#include "platform/SettingsStore.h"

namespace zorva {

int CMemorySettingsStore::GetInt(const std::string& section, const std::string& name,
                                 int defaultValue) {
  auto it = m_values.find({section, name});
  if (it == m_values.end()) return defaultValue;
  char* end = nullptr;
  long v = std::strtol(it->second.c_str(), &end, 10);
  return (end && *end == '\0' && !it->second.empty()) ? int(v) : defaultValue;
}

std::string CMemorySettingsStore::GetString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) {
  auto it = m_values.find({section, name});
  return it == m_values.end() ? defaultValue : it->second;
}

bool CMemorySettingsStore::WriteInt(const std::string& section, const std::string& name,
                                    int value) {
  m_values[{section, name}] = std::to_string(value);
  return true;
}

bool CMemorySettingsStore::WriteString(const std::string& section, const std::string& name,
                                       const std::string& value) {
  m_values[{section, name}] = value;
  return true;
}

bool CMemorySettingsStore::Has(const std::string& section, const std::string& name) const {
  return m_values.count({section, name}) != 0;
}

}  // namespace zorva

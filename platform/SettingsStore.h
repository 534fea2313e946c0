#pragma once
// The per-user settings store: named integer and string values in sections.
// The editor backs it with QSettings("Ulmora", "ZORVA"); tests use the
// in-memory store below. Strings are UTF-8.
#include <map>
#include <string>
#include <utility>

namespace zorva {

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  virtual int GetInt(const std::string& section, const std::string& name, int defaultValue) = 0;
  virtual std::string GetString(const std::string& section, const std::string& name,
                                const std::string& defaultValue) = 0;
  virtual bool WriteInt(const std::string& section, const std::string& name, int value) = 0;
  virtual bool WriteString(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
};

class CMemorySettingsStore : public ISettingsStore {
 public:
  int GetInt(const std::string& section, const std::string& name, int defaultValue) override;
  std::string GetString(const std::string& section, const std::string& name,
                        const std::string& defaultValue) override;
  bool WriteInt(const std::string& section, const std::string& name, int value) override;
  bool WriteString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  bool Has(const std::string& section, const std::string& name) const;

 private:
  // An integer is kept as its decimal text, as a registry-less store would.
  std::map<std::pair<std::string, std::string>, std::string> m_values;
};

}  // namespace zorva

#include "app/QtSettingsStore.h"

namespace {
QString Key(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}
}  // namespace

CQtSettingsStore::CQtSettingsStore() : m_settings(QStringLiteral("Ulmora"), QStringLiteral("ZORVA")) {}

int CQtSettingsStore::GetInt(const std::string& section, const std::string& name, int defaultValue) {
  QVariant v = m_settings.value(Key(section, name));
  if (!v.isValid()) return defaultValue;
  bool ok = false;
  int n = v.toInt(&ok);
  return ok ? n : defaultValue;
}

std::string CQtSettingsStore::GetString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) {
  QVariant v = m_settings.value(Key(section, name));
  return v.isValid() ? v.toString().toStdString() : defaultValue;
}

bool CQtSettingsStore::WriteInt(const std::string& section, const std::string& name, int value) {
  m_settings.setValue(Key(section, name), value);
  m_settings.sync();
  return m_settings.status() == QSettings::NoError;
}

bool CQtSettingsStore::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
  m_settings.setValue(Key(section, name), QString::fromStdString(value));
  m_settings.sync();
  return m_settings.status() == QSettings::NoError;
}

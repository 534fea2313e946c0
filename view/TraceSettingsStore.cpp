#include "view/TraceSettingsStore.h"

#include <charconv>
#include <string>

namespace zorva {

namespace {
const char kSection[] = "Settings";
const char kTolerance[] = "traceTolerance";
const char kEpsilon[] = "traceEpsilon";
}  // namespace

TraceSettings LoadTraceSettings(ISettingsStore& store) {
  TraceSettings settings;
  const int tolerance = store.GetInt(kSection, kTolerance, kDefaultTraceTolerance);
  if (tolerance >= 0 && tolerance <= kMaxTraceTolerance) settings.tolerance = tolerance;
  const std::string text = store.GetString(kSection, kEpsilon, std::string());
  double epsilon = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), epsilon);
  if (!text.empty() && error == std::errc() && end == text.data() + text.size() && epsilon >= 0 &&
      epsilon <= kMaxTraceEpsilon)
    settings.epsilon = epsilon;
  return settings;
}

bool StoreTraceSettings(ISettingsStore& store, const TraceSettings& settings) {
  // The shortest text that reads back as the same number, in any locale.
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, settings.epsilon);
  const bool tolerance = store.WriteInt(kSection, kTolerance, settings.tolerance);
  const bool epsilon = error == std::errc() && store.WriteString(kSection, kEpsilon, std::string(text, end));
  return tolerance && epsilon;
}

}  // namespace zorva

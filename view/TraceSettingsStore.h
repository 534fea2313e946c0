#pragma once
// The trace tool's tolerance and simplification in the settings store
// (section "Settings", "traceTolerance" and "traceEpsilon").
#include "image/RegionTrace.h"
#include "platform/SettingsStore.h"

namespace zorva {

// Values out of range or unreadable give the defaults.
TraceSettings LoadTraceSettings(ISettingsStore& store);
// False when the store could not keep them.
bool StoreTraceSettings(ISettingsStore& store, const TraceSettings& settings);

}  // namespace zorva

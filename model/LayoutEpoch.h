#pragma once
// A count of the changes to where areas lie: any owned list gaining, losing
// or reordering items, any area's bounds written. What is worked out from
// every area's bounds (the paint pass's copy of them) stays good while the
// count stays the same; a change elsewhere only makes it be worked out again.
#include <atomic>
#include <cstdint>

namespace zorva {

inline std::atomic<uint64_t> g_layoutEpoch{0};

inline void LayoutChanged() { g_layoutEpoch.fetch_add(1, std::memory_order_relaxed); }
inline uint64_t LayoutEpoch() { return g_layoutEpoch.load(std::memory_order_relaxed); }

}  // namespace zorva

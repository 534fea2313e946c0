#pragma once
// The main window's accelerator table: keys that become commands before the
// view sees them.
#include <cstdint>

constexpr unsigned kModShift = 1;
constexpr unsigned kModCtrl = 2;
constexpr unsigned kModAlt = 4;
constexpr unsigned VK_F6 = 0x75;

struct Accelerator {
  unsigned vk;    // virtual key; letters and digits as upper-case ASCII
  unsigned mods;  // kModShift | kModCtrl | kModAlt, exactly
  unsigned command;
};

// Every entry, in the table's order.
const Accelerator* AcceleratorTable(int* count);

// The command of `vk` with exactly `mods` held, or 0.
unsigned FindAccelerator(unsigned vk, unsigned mods);

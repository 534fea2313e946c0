#pragma once
// The keyboard's lock states as the kernel's keyboard lights show them
// (/sys/class/leds/inputN::capslock and so on). Qt does not tell them; where
// no light can be read the state is unknown.
#include <filesystem>

struct KeyLockState {
  // -1 unknown, 0 off, 1 on (any keyboard with the light on).
  int kana = -1;
  int caps = -1;
  int num = -1;
  int scroll = -1;
};

KeyLockState ReadKeyLocks(const std::filesystem::path& ledsDir = "/sys/class/leds");

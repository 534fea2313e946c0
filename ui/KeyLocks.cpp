#include "ui/KeyLocks.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>

namespace {

// Folds one light's brightness into a state: lit on any keyboard wins.
void Fold(int& state, int brightness) {
  if (brightness < 0) return;
  state = std::max(state, brightness > 0 ? 1 : 0);
}

int ReadBrightness(const std::filesystem::path& file) {
  std::ifstream in(file);
  long value = -1;
  if (!(in >> value)) return -1;
  return value > 0 ? 1 : 0;
}

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t(tail);
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

KeyLockState ReadKeyLocks(const std::filesystem::path& ledsDir) {
  KeyLockState state;
  std::error_code ec;
  std::filesystem::directory_iterator it(ledsDir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    int* slot = nullptr;
    if (EndsWith(name, "::capslock")) slot = &state.caps;
    else if (EndsWith(name, "::numlock")) slot = &state.num;
    else if (EndsWith(name, "::scrolllock")) slot = &state.scroll;
    else if (EndsWith(name, "::kana")) slot = &state.kana;
    if (slot) Fold(*slot, ReadBrightness(it->path() / "brightness"));
  }
  return state;
}

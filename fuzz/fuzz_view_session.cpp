// Drives the editing view with a session the input decides: gestures, keys,
// commands and panel edits on a random document. Nothing may crash, and the
// undo history must lead back to the first document and forward to the last.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "RandomSession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zorva::test::ByteSource src(data, size);
  const std::string problem = zorva::test::CheckSessionHistory(src, 1 << 20);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}

// Random sessions of gestures, keys, commands and panel edits: nothing may
// crash or leak (the sanitizer build runs this too), and the history must
// walk back to the first document and forward to the last.
#include <gtest/gtest.h>

#include "RandomSession.h"

TEST(SessionProperty, UndoingEverythingRestoresTheDocumentAndRedoingReturns) {
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    zorva::test::ByteSource src(seed);
    const std::string problem = zorva::test::CheckSessionHistory(src, 80);
    ASSERT_EQ(problem, "") << "seed " << seed;
  }
}

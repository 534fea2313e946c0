// The trace tool's two settings in the store: what is kept comes back, and
// whatever another program or a hand edit left there gives a usable value.
#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "view/TraceSettingsStore.h"

using namespace zorva;

TEST(TraceSettingsStore, KeptValuesComeBackAndDamagedOnesGiveDefaults) {
  for (const TraceSettings kept : {TraceSettings{0, 0.0}, TraceSettings{255, 100.0}, TraceSettings{17, 0.1},
                                   TraceSettings{32, 2.5}}) {
    CMemorySettingsStore store;
    ASSERT_TRUE(StoreTraceSettings(store, kept));
    const TraceSettings read = LoadTraceSettings(store);
    EXPECT_EQ(read.tolerance, kept.tolerance);
    EXPECT_EQ(read.epsilon, kept.epsilon);
  }
  struct Case {
    const char* tolerance;
    const char* epsilon;
    int wantTolerance;
    double wantEpsilon;
  };
  const Case cases[] = {
      {"40", "1.5", 40, 1.5},  {"-1", "-0.5", 32, 1.0}, {"256", "100.5", 32, 1.0},
      {"x", "1,5", 32, 1.0},    {"", "", 32, 1.0},       {"12", "nan", 12, 1.0},
      {"99999999999", "1e400", 32, 1.0}, {"7", "3 ", 7, 1.0},
  };
  for (const Case& c : cases) {
    CMemorySettingsStore store;
    store.WriteString("Settings", "traceTolerance", c.tolerance);
    store.WriteString("Settings", "traceEpsilon", c.epsilon);
    const TraceSettings read = LoadTraceSettings(store);
    EXPECT_EQ(read.tolerance, c.wantTolerance) << c.tolerance;
    EXPECT_EQ(read.epsilon, c.wantEpsilon) << c.epsilon;
  }
}

// It catches a generator that leaves [0, 1), draws unevenly, or draws the
// same numbers after a reseed a moment later.
#include <gtest/gtest.h>

#include "shell/random.h"

TEST(Random, StaysInTheUnitIntervalAndReseedingChangesTheDraws) {
  shell::Random a;
  double sum = 0;
  for (int i = 0; i < 10000; ++i) {
    const double r = a.next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    sum += r;
  }
  EXPECT_NEAR(sum / 10000, 0.5, 0.02);
  shell::Random c, d;
  c.mix(36000.25);
  d.mix(36000.5);  // a quarter of a second later
  EXPECT_NE(c.next(), d.next());
}

// It catches a letter set that refuses a letter of a number word (the set
// within 10 those of UNO to NOVE, the full set those of ZERO to VENTI): the
// scenario files type only some of the words.
#include <gtest/gtest.h>

#include "frame/words.h"

namespace {

TEST(WordBox, EveryLetterOfEveryNumberWordPassesItsSet) {
  for (int n = 0; n <= 20; ++n)
    for (const char c : frame::wordOf(n)) {
      int full = c, within10 = c;
      frame::filterLetters(full, frame::kLettersFull);
      EXPECT_EQ(full, c) << frame::wordOf(n);
      if (n < 1 || n > 9) continue;
      frame::filterLetters(within10, frame::kLettersWithin10);
      EXPECT_EQ(within10, c) << frame::wordOf(n);
    }
}

}  // namespace

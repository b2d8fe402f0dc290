// Catches a sound mailbox waking the worker twice or never, letting orders pile
// up instead of one chime, the latest phrase and a hush, or playing them late.
#include "sound/mailbox.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
const sound::Clock::time_point t0{};

TEST(SoundMailbox, WakesOnceCoalescesAndDropsWhatWaitedTooLong) {
  sound::Mailbox box;
  EXPECT_TRUE(box.chime(t0));  // only the first order wakes the worker
  EXPECT_FALSE(box.chime(t0));
  EXPECT_FALSE(box.say("uno.mp3", t0));
  EXPECT_FALSE(box.say("due.mp3", t0));
  EXPECT_FALSE(box.hush());
  box.say("tre.mp3", t0);
  sound::Orders o = box.take(t0);
  EXPECT_TRUE(o.chime && o.stopPhrase);
  EXPECT_EQ(o.phrase, "tre.mp3");  // the latest phrase after the hush
  EXPECT_TRUE(box.take(t0).empty());

  EXPECT_TRUE(box.say("uno.mp3", t0));  // taken: the next order wakes it again
  box.hush();
  o = box.take(t0);
  EXPECT_TRUE(o.stopPhrase && o.phrase.empty() && !o.chime);
  EXPECT_FALSE(box.say("", t0));  // no clip: nothing to say or stop
  EXPECT_TRUE(box.take(t0).empty());

  // After a stall, only what was asked for lately.
  box.chime(t0);
  box.say("uno.mp3", t0);
  o = box.take(t0 + 30s);
  EXPECT_TRUE(!o.chime && o.phrase.empty() && o.stopPhrase);
  box.chime(t0);
  box.say("due.mp3", t0);
  box.chime(t0 + 29s);
  box.say("tre.mp3", t0 + 29s);
  o = box.take(t0 + 30s);
  EXPECT_TRUE(o.chime);
  EXPECT_EQ(o.phrase, "tre.mp3");
  EXPECT_TRUE(box.hush());
}

}  // namespace

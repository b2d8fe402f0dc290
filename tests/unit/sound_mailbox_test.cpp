// The sound's mailbox: orders given while the worker is busy or stuck are
// coalesced (one chime, the latest phrase, a hush that cancels the phrase
// not yet said), one wake-up is asked for until the worker takes them, and
// what waited too long is dropped.
#include "sound/mailbox.h"

#include <gtest/gtest.h>

namespace {

using sound::Clock;
using sound::Mailbox;
using namespace std::chrono_literals;

const Clock::time_point t0{};

TEST(SoundMailbox, WakesTheWorkerOnceUntilItTakesTheOrders) {
  Mailbox box;
  EXPECT_TRUE(box.chime(t0));
  EXPECT_FALSE(box.chime(t0));
  EXPECT_FALSE(box.say("tre.mp3", t0));
  EXPECT_FALSE(box.hush());
  box.take(t0);
  EXPECT_TRUE(box.say("quattro.mp3", t0));
  EXPECT_TRUE(box.take(t0).phrase == "quattro.mp3");
  EXPECT_TRUE(box.take(t0).empty());
  EXPECT_TRUE(box.hush());
}

TEST(SoundMailbox, CoalescesWhatPiledUp) {
  Mailbox box;
  for (int i = 0; i < 5; ++i) box.chime(t0);
  box.say("uno.mp3", t0);
  box.say("due.mp3", t0);
  sound::Orders orders = box.take(t0);
  EXPECT_TRUE(orders.chime);
  EXPECT_TRUE(orders.stopPhrase);
  EXPECT_EQ(orders.phrase, "due.mp3");

  box.say("uno.mp3", t0);
  box.hush();
  orders = box.take(t0);
  EXPECT_TRUE(orders.stopPhrase);
  EXPECT_EQ(orders.phrase, "");
  EXPECT_FALSE(orders.chime);

  box.hush();
  box.say("tre.mp3", t0);
  EXPECT_EQ(box.take(t0).phrase, "tre.mp3");

  EXPECT_FALSE(box.say("", t0));  // no clip: nothing to say or stop
  EXPECT_TRUE(box.take(t0).empty());
}

// After a stall the worker plays only what was asked for lately: the
// latest chime and phrase, not those of answers long past.
TEST(SoundMailbox, DropsWhatWaitedTooLong) {
  Mailbox box;
  box.chime(t0);
  box.say("uno.mp3", t0);
  sound::Orders orders = box.take(t0 + 30s);
  EXPECT_FALSE(orders.chime);
  EXPECT_EQ(orders.phrase, "");
  EXPECT_TRUE(orders.stopPhrase);

  box.chime(t0);
  box.say("due.mp3", t0);
  box.chime(t0 + 29s);
  box.say("tre.mp3", t0 + 29s);
  orders = box.take(t0 + 30s);
  EXPECT_TRUE(orders.chime);
  EXPECT_EQ(orders.phrase, "tre.mp3");
}

}  // namespace

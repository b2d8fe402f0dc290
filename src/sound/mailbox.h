// What the sound's worker owes the program: the orders given while the
// worker was busy, or stuck waiting for a sound server that does not answer,
// kept coalesced so that they never pile up: at most one chime, only the
// latest phrase, and a hush that cancels the phrase not yet said. Orders
// that waited too long are dropped when taken: a chime or a phrase heard
// seconds after the answer it belongs to would only puzzle the child.
// No Qt and no sound here: the module's worker plays what it takes.
#pragma once
#include <chrono>
#include <mutex>
#include <string>

namespace sound {

using Clock = std::chrono::steady_clock;

// Older orders are dropped rather than played late.
constexpr Clock::duration kStale = std::chrono::seconds(2);

struct Orders {
  bool chime = false;
  bool stopPhrase = false;  // stop the phrase that is playing
  std::string phrase;       // the clip to say next; empty: none

  bool empty() const { return !chime && !stopPhrase && phrase.empty(); }
};

// Given from the program's thread, taken from the worker's. Each giving call
// returns true when the worker has to be woken: nothing was owed before, so
// no wake-up is already on its way.
class Mailbox {
 public:
  bool chime(Clock::time_point now);
  bool say(std::string clip, Clock::time_point now);
  bool hush();
  // Everything owed, leaving nothing; the stale chime and phrase left out.
  Orders take(Clock::time_point now);

 private:
  std::mutex mutex_;
  Orders owed_;
  Clock::time_point chimeAt_;   // when the chime owed was asked for
  Clock::time_point phraseAt_;
};

}  // namespace sound

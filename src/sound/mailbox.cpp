#include "mailbox.h"

#include <utility>

namespace sound {

// A second chime owed while the first still waits is the same chime, now
// belonging to the latest wrong answer.
bool Mailbox::chime(Clock::time_point now) {
  std::lock_guard lock(mutex_);
  const bool wake = owed_.empty();
  owed_.chime = true;
  chimeAt_ = now;
  return wake;
}

// A new phrase stops the one playing and replaces the one not yet said.
bool Mailbox::say(std::string clip, Clock::time_point now) {
  if (clip.empty()) return false;
  std::lock_guard lock(mutex_);
  const bool wake = owed_.empty();
  owed_.stopPhrase = true;
  owed_.phrase = std::move(clip);
  phraseAt_ = now;
  return wake;
}

bool Mailbox::hush() {
  std::lock_guard lock(mutex_);
  const bool wake = owed_.empty();
  owed_.stopPhrase = true;
  owed_.phrase.clear();
  return wake;
}

Orders Mailbox::take(Clock::time_point now) {
  std::lock_guard lock(mutex_);
  Orders orders = std::exchange(owed_, Orders{});
  if (orders.chime && now - chimeAt_ > kStale) orders.chime = false;
  if (!orders.phrase.empty() && now - phraseAt_ > kStale) orders.phrase.clear();
  return orders;
}

}  // namespace sound

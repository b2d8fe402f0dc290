// The three counters of an exercise round: questions drawn, questions right
// at the first attempt, attempts at the current question. 16-bit, as the
// screens show them; the question counter never passes 99. It does not show
// anything: the screens put the counters into their displays.
#pragma once
#include <cstdint>
#include <stdexcept>

namespace frame {

constexpr int kQuestionLimit = 99;

// 16-bit addition that refuses to wrap round.
inline std::int16_t add16(std::int16_t a, int b) {
  const int sum = a + b;
  if (sum > INT16_MAX || sum < INT16_MIN) throw std::overflow_error("16-bit overflow");
  return static_cast<std::int16_t>(sum);
}

struct Score {
  std::int16_t questions = 0;
  std::int16_t right = 0;
  std::int16_t tries = 0;
  // Every question drawn, never zeroed: how the class record sees a new one.
  unsigned drawn = 0;

  // The 99th question shows 0 and restarts the score.
  void countQuestion() {
    questions = add16(questions, 1);
    ++drawn;
    if (questions == kQuestionLimit) questions = right = 0;
  }
  // Only whether tries is 1 matters, so it stops at 2.
  void countTry() { if (tries < 2) tries = add16(tries, 1); }
  bool firstTry() const { return tries == 1; }
  void countRight() { right = add16(right, 1); }
  // What a return label does before leaving.
  void zero() { questions = right = 0; }
};

}  // namespace frame

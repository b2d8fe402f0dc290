// The platform of the tests: beeps, sleeps and reseeds are counted; Next
// returns the reals queued by the test, or, once a generator is set, falls
// back to it when the queue is empty (the soak driver).
#pragma once
#include <deque>
#include <random>
#include <optional>
#include <stdexcept>

#include "shell/platform.h"

namespace shell {

struct RandomQueueEmpty : std::runtime_error {
  RandomQueueEmpty() : std::runtime_error("random queue empty") {}
};

class FakePlatform : public Platform {
 public:
  void beep() override { ++beeps; }
  void sleep(int ms) override { ++sleeps; sleptMs += ms; }
  void reseed() override { ++reseeds; }
  double next() override;

  void queue(double r) { randoms.push_back(r); }
  void fallBackTo(unsigned seed) { generator.emplace(seed); }

  int beeps = 0, sleeps = 0, reseeds = 0;
  long long sleptMs = 0;
  std::deque<double> randoms;
  std::optional<std::mt19937> generator;
};

}  // namespace shell

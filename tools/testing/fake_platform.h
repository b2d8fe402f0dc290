// The platform of the tests: beeps, sleeps and reseeds do nothing; next gives
// the reals queued, then the generator if one is set, else throws.
#pragma once
#include <deque>
#include <optional>
#include <random>

#include "shell/platform.h"

namespace shell {

class FakePlatform : public Platform {
 public:
  void beep() override {}
  void sleep(int) override {}
  void reseed() override {}
  double next() override;

  void queue(double r) { randoms.push_back(r); }
  void fallBackTo(unsigned seed) { generator.emplace(seed); }

  std::deque<double> randoms;
  std::optional<std::mt19937> generator;
};

}  // namespace shell

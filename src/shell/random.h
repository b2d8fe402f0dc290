// The random generator of the real program (the desktop and the page): a
// 64-bit xorshift* whose reseeding mixes the time of day into its state.
// The tests use the fake platform's queue instead.
#pragma once
#include <cstdint>

namespace shell {

class Random {
 public:
  explicit Random(std::uint64_t seed = 0x9E3779B97F4A7C15ull);
  void mix(double secondsSinceMidnight);
  double next();  // in [0, 1)

 private:
  std::uint64_t state_;
};

}  // namespace shell

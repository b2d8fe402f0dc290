#include "random.h"

#include <cstring>

namespace shell {

namespace {

std::uint64_t splitMix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

Random::Random(std::uint64_t seed) : state_(splitMix(seed) | 1) {}

void Random::mix(double secondsSinceMidnight) {
  std::uint64_t bits;
  std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
  state_ = splitMix(state_ ^ bits);
  if (state_ == 0) state_ = 1;  // xorshift never leaves zero
}

double Random::next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  const std::uint64_t x = state_ * 0x2545F4914F6CDD1Dull;
  return double(x >> 11) * 0x1.0p-53;
}

}  // namespace shell

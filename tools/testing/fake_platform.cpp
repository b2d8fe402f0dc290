#include "fake_platform.h"

#include <stdexcept>

namespace shell {

double FakePlatform::next() {
  if (randoms.empty() && generator) return std::uniform_real_distribution<double>(0.0, 1.0)(*generator);
  if (randoms.empty()) throw std::runtime_error("random queue empty");
  const double r = randoms.front();
  randoms.pop_front();
  return r;
}

}  // namespace shell

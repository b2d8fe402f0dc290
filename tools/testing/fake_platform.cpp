#include "fake_platform.h"

namespace shell {

double FakePlatform::next() {
  if (!randoms.empty()) {
    double r = randoms.front();
    randoms.pop_front();
    return r;
  }
  if (generator) return std::uniform_real_distribution<double>(0.0, 1.0)(*generator);
  throw RandomQueueEmpty();
}

}  // namespace shell

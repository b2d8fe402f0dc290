#include "desktop_platform.h"

#include "chime/chime.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QThread>
#include <QTime>
#include <bit>

namespace desktop {

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
  state_ = splitMix(state_ ^ std::bit_cast<std::uint64_t>(secondsSinceMidnight));
  if (state_ == 0) state_ = 1;  // xorshift never leaves zero
}

double Random::next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  const std::uint64_t x = state_ * 0x2545F4914F6CDD1Dull;
  return double(x >> 11) * 0x1.0p-53;
}

DesktopPlatform::DesktopPlatform(std::function<void()> repaint) : repaint_(std::move(repaint)) {}

DesktopPlatform::~DesktopPlatform() = default;

// The chime module stands beside the program in the build tree, and in
// lib/aritmetica/chime beside bin once installed. Without it the program is silent.
void DesktopPlatform::openSound() {
  if (soundOpened_) return;
  soundOpened_ = true;
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& path : {dir + "/aritmetica-chime.so", dir + "/../lib/aritmetica/chime/aritmetica-chime.so"}) {
    QLibrary module(path);
    auto open = reinterpret_cast<ChimeOpen>(module.resolve(ARITMETICA_CHIME_OPEN));
    play_ = reinterpret_cast<ChimePlay>(module.resolve(ARITMETICA_CHIME_PLAY));
    if (open && play_) {
      chime_ = open();
      return;
    }
  }
  play_ = nullptr;
}

void DesktopPlatform::beep() {
  openSound();
  if (play_ && chime_) play_(chime_);
}

void DesktopPlatform::sleep(int milliseconds) {
  if (repaint_) repaint_();
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void DesktopPlatform::reseed() {
  random_.mix(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

}  // namespace desktop

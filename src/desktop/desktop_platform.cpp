#include "desktop_platform.h"

#include <QSoundEffect>
#include <QThread>
#include <QTime>
#include <QUrl>
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

DesktopPlatform::~DesktopPlatform() { delete sound_; }

void DesktopPlatform::openSound() {
  if (sound_) return;
  sound_ = new QSoundEffect;
  sound_->setSource(QUrl("qrc:/sounds/beep.wav"));
  sound_->setVolume(0.8f);
  // The first play of a fresh sound is not heard (it only opens the audio
  // stream): play it once muted as soon as it is loaded, so that the first
  // wrong answer already chimes.
  QObject::connect(sound_, &QSoundEffect::statusChanged, sound_, [s = sound_] {
    if (s->status() != QSoundEffect::Ready || s->property("primed").toBool()) return;
    s->setProperty("primed", true);
    s->setMuted(true);
    s->play();
  });
}

// Never queues: a beep while the last one still sounds starts it afresh, so a
// child hammering keys hears at most one chime at a time.
void DesktopPlatform::beep() {
  if (!sound_) openSound();
  if (sound_->isPlaying()) sound_->stop();
  sound_->setMuted(false);
  sound_->play();
}

void DesktopPlatform::sleep(int milliseconds) {
  if (repaint_) repaint_();
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void DesktopPlatform::reseed() {
  random_.mix(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

}  // namespace desktop

#include "desktop_platform.h"

#include "chime/chime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QThread>
#include <QTime>
#include <algorithm>

namespace desktop {

DesktopPlatform::DesktopPlatform(std::function<void()> repaint, std::function<void()> meanwhile)
    : repaint_(std::move(repaint)), meanwhile_(std::move(meanwhile)) {}

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

// A long sleep goes in short slices, so that what must happen meanwhile
// (F11) is not kept waiting for seconds; the whole lasts as long as asked.
void DesktopPlatform::sleep(int milliseconds) {
  constexpr qint64 kSlice = 10;
  if (repaint_) repaint_();
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    if (meanwhile_) meanwhile_();
    const qint64 left = milliseconds - clock.elapsed();
    if (left <= 0) break;
    QThread::msleep(static_cast<unsigned long>(std::min(left, kSlice)));
  }
}

void DesktopPlatform::reseed() {
  random_.mix(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

}  // namespace desktop

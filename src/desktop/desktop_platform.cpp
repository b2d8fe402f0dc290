#include "desktop_platform.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTime>
#include <algorithm>

namespace desktop {

DesktopPlatform::DesktopPlatform(std::function<void()> repaint, std::function<void()> meanwhile)
    : repaint_(std::move(repaint)), meanwhile_(std::move(meanwhile)) {}

DesktopPlatform::~DesktopPlatform() = default;

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

// The real machine behind the screens: the warning chime through the sound
// card (silently nothing without one), the sleep of the abacus animations
// with the windows painted first, and our own random generator.
#pragma once
#include <QObject>
#include <cstdint>
#include <functional>

#include "shell/platform.h"
#include "shell/random.h"
#include "sound.h"

namespace desktop {

class DesktopPlatform : public shell::Platform {
 public:
  // repaint paints every window at once (called before each sleep);
  // meanwhile runs what must not wait for the sleep's end (between slices).
  explicit DesktopPlatform(std::function<void()> repaint, std::function<void()> meanwhile = {});
  ~DesktopPlatform() override;

  // Loads the sound module and opens the sound (once; at the first input).
  void openSound() { sound_.open(); }
  Sound& sound() { return sound_; }

  void beep() override { sound_.chime(); }
  void sleep(int milliseconds) override;
  void reseed() override;
  double next() override { return random_.next(); }

 private:
  std::function<void()> repaint_;
  std::function<void()> meanwhile_;
  Sound sound_;
  shell::Random random_;
};

}  // namespace desktop

// What the screens need from the machine beyond the screen model: the warning
// sound, the sleep of the abacus animations, and the random generator.
// The session provides it to every edition and to the scenario runner,
// recording beeps and sleeps as steps of its timeline; the fake of the
// model's own tests and of the soak only counts them.
#pragma once

namespace shell {

class Platform {
 public:
  virtual ~Platform() = default;
  // The system's warning sound; returns at once.
  virtual void beep() = 0;
  // A pause of the handler that is running, as the child sees it: the board
  // as it stands stays shown that long. Returns at once; nothing sleeps.
  virtual void sleep(int milliseconds) = 0;
  // Mixes the seconds since midnight into the generator.
  virtual void reseed() = 0;
  // A real in [0, 1).
  virtual double next() = 0;
};

}  // namespace shell

// What the screens need from the machine beyond the screen model: the warning
// sound, the sleep of the abacus animations, and the random generator.
// The desktop program and the fake of the tests each provide one.
#pragma once

namespace shell {

class Platform {
 public:
  virtual ~Platform() = default;
  // The system's warning sound; returns at once.
  virtual void beep() = 0;
  // Suspends the program; the desktop paints what changed first.
  virtual void sleep(int milliseconds) = 0;
  // Mixes the seconds since midnight into the generator.
  virtual void reseed() = 0;
  // A real in [0, 1).
  virtual double next() = 0;
};

}  // namespace shell

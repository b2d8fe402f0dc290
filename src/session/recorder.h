// The recorder: the machine as the screens' handlers see it. A beep becomes
// the chime, a sleep the picture of the moment followed by a pause, both
// steps of the input being handled; the draws come from the session's
// machine. Nothing is slept and nothing is played here.
//
// It does not know the clock: a step has no time, only its place after the
// pauses before it (the timeline gives it its time), nor what a picture
// holds (it is handed a way to capture one).
#pragma once
#include <functional>
#include <utility>
#include <variant>
#include <vector>

#include "frame.h"
#include "machine.h"
#include "shell/platform.h"

namespace session {

struct Pause {
  int milliseconds = 0;
};
// What an input produces, in order: pictures, the sounds they start, pauses.
using Step = std::variant<Frame, Chime, Say, Hush, Pause>;

class Recorder : public shell::Platform {
 public:
  Recorder(Machine& machine, std::function<Frame()> capture)
      : machine_(machine), capture_(std::move(capture)) {}

  // A step of the input being handled: the picture of the moment, or a sound.
  void picture();
  void add(Sound sound);
  // The steps recorded since the last call.
  std::vector<Step> take();

  // shell::Platform
  void beep() override;
  void sleep(int milliseconds) override;
  void reseed() override { machine_.reseed(); }
  double next() override { return machine_.next(); }

 private:
  Machine& machine_;
  std::function<Frame()> capture_;
  std::vector<Step> steps_;
};

}  // namespace session

// The session's parts and how they are wired: the program with the
// recorder as its machine and the voice as its observer, the gestures, the
// input queue and the timeline. Only session.cpp and the tests' probe
// include this; the editions see session.h alone.
#pragma once
#include <memory>

#include "capture.h"
#include "input_queue.h"
#include "record/klass.h"
#include "recorder.h"
#include "rest.h"
#include "session.h"
#include "shell/program.h"
#include "timeline.h"
#include "voice.h"
#include "year_hold.h"

namespace session {

struct Session::Parts {
  Parts(Machine& machine, const draw::Measure& measure);

  // Hands the input on now, or holds it behind what still plays.
  void submit(Input input, double now);
  // Runs one input on the program and lays its steps out from `start`.
  void run(const Input& input, double start, bool fromFirstCall);
  void deliver(const Input& input);
  void deliverPointer(const PointerInput& input);
  // The loaded screen of that number (0: the active one); nullptr if none.
  shell::Screen* screenFor(int number) const;
  void newProgram();
  // Makes `frame` the one shown.
  void show(Frame frame);
  // Everything that `now` brings before the frame due: held input whose
  // turn has come, a long press, a rest.
  void wake(double now);
  // What the pointer is over in the frame shown, and saying it (a rest, a
  // finger held): false when there is nothing there to hear.
  struct Spot {
    int screen;
    draw::Rect area;
    std::optional<Say> says;
  };
  std::optional<Spot> spotAt(const PointerInput& at) const;
  bool onNamed(const PointerInput& at) const;  // on the area whose name was said last
  bool sayName(const PointerInput& at, double now);
  // A name being said stops when the child acts.
  void act(double now);
  // The title's year, where a press may start the teacher's hold; nullptr
  // unless the press is on the title screen in front.
  const shell::Control* titleYear(const PointerInput& at) const;
  // The hold has lasted: the teacher's screen in place of the title.
  void openTeacher(double now);

  Machine& machine;
  const draw::Measure& measure;
  Recorder recorder;
  Voice voice;
  record::Class klass;
  std::unique_ptr<shell::Program> program;
  Gestures gestures;
  InputQueue held;
  Timeline timeline;
  Frame shown;
  int pressScreen = 0;  // the screen a press reached gets its moves and release; 0: none
  Rest rest;
  YearHold yearHold;
  // The area whose name was said last, until the mouse leaves it: resting
  // on it again says nothing more.
  std::optional<Spot> named;
  bool naming = false;  // a name said may still be playing
};

}  // namespace session

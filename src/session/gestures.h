// The gestures: what a pointer does, as the screens should get it. A
// finger's press becomes a tap at its release, a drag once it moves farther
// than the slop, or the right button once it has been held still; a
// cancelled touch (palm rejection, a system gesture) does nothing at all.
// A finger held on what can be heard says it instead, and acts on nothing.
// Only a press on the board starts anything; its moves and its release
// follow it, and nothing else does.
//
// A pure translation of pointer input into mouse input: it does not know
// the screens, what is in front, nor who has pressed what on them; its only
// clock is the `now` it is given, for the long press.
#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "shell/control.h"

namespace session {

enum class Device { Mouse, Touch };

struct PointerInput {
  enum class Kind { Press, Move, Release, Cancel };
  Kind kind = Kind::Press;
  shell::Button button = shell::Button::Left;
  int screen = 0;        // the window's screen; 0: the screen shown
  double x = 0, y = 0;   // twips of that screen
  bool onBoard = true;   // false in the margin round a scaled board
  int shift = 0;
  Device device = Device::Mouse;
};

// A press held still this long acts as the right button; a finger that
// moves farther than the slop is a drag.
constexpr double kLongPressMs = 500;
constexpr double kTouchSlopTwips = 10 * 15;

class Gestures {
 public:
  // The mouse input that `input` makes, in order: none, one or two.
  std::vector<PointerInput> pointer(const PointerInput& input, double now);
  // The right button's press of a finger held still until `now`, if any;
  // unless `speaks` says that what lies under the finger has been said
  // instead: then the finger does nothing more until it is lifted.
  std::vector<PointerInput> advance(double now, const std::function<bool(const PointerInput&)>& speaks = {});
  // When a finger down now becomes a long press; infinity if none waits.
  double wakeAt() const;

 private:
  void mouse(const PointerInput& input, std::vector<PointerInput>& out);
  void finger(const PointerInput& input, std::vector<PointerInput>& out);

  bool pressed_ = false;  // a mouse press was handed on and not yet released
  struct Touch {
    PointerInput press;
    double at = 0;
    bool longPress = false;  // already handed on as the right button
    bool spoken = false;     // held to hear what is under it: nothing more
  };
  std::optional<Touch> touch_;
};

}  // namespace session

// The teacher's way in: the title's year held down for three seconds, with
// the mouse button or a finger, without moving off it. A release, a move
// off the year, the margin or a cancelled touch before then ends the hold,
// and nothing comes of it.
//
// It only times a press on a rectangle it is given: it does not know the
// screens, what the hold opens, nor what the press does besides; its clock
// is the `now` it is given.
#pragma once
#include <limits>
#include <optional>

#include "gestures.h"

namespace session {

constexpr double kYearHoldMs = 3000;

class YearHold {
 public:
  // `year` is where a press starts the hold (twips of the screen pressed),
  // nullptr where no hold can start.
  void pointer(const PointerInput& in, double now, const shell::Control* year) {
    using K = PointerInput::Kind;
    const bool left = in.button == shell::Button::Left;
    if (in.kind == K::Press) {
      if (!held_ && left && in.onBoard && year && year->contains(in.x, in.y)) held_ = Held{*year, now + kYearHoldMs};
      return;
    }
    if (!held_) return;
    if (in.kind == K::Move && in.onBoard && held_->year.contains(in.x, in.y)) return;
    held_.reset();  // released, moved off, or cancelled
  }
  // Whether the hold has lasted by `now`: once for each hold.
  bool due(double now) {
    if (!held_ || now < held_->when) return false;
    held_.reset();
    return true;
  }
  double wakeAt() const { return held_ ? held_->when : std::numeric_limits<double>::infinity(); }

 private:
  struct Held {
    shell::Control year;  // its rectangle as the press found it
    double when;
  };
  std::optional<Held> held_;
};

}  // namespace session

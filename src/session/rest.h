// The rest: the mouse come to a stop on the board, no button held, for as
// long as a tooltip waits. Each stop is one rest: it is told once, and the
// next one waits for the mouse to move again. A press, a release, a finger
// or the margin ends the wait.
//
// It only times the mouse: it does not know what is under it nor what a
// rest says; its clock is the `now` it is given.
#pragma once
#include <limits>
#include <optional>

#include "gestures.h"

namespace session {

constexpr double kRestMs = 600;

class Rest {
 public:
  void pointer(const PointerInput& input, double now) {
    using K = PointerInput::Kind;
    if (input.kind == K::Press) pressed_ = true;
    if (input.kind == K::Release || input.kind == K::Cancel) pressed_ = false;
    const bool resting = input.kind == K::Move && !pressed_ && input.onBoard && input.device == Device::Mouse;
    if (resting) at_ = Still{input, now + kRestMs};
    else at_.reset();
  }
  // Where the mouse came to rest, if it has by `now`: once for each rest.
  std::optional<PointerInput> due(double now) {
    if (!at_ || now < at_->when) return std::nullopt;
    const PointerInput where = at_->where;
    at_.reset();
    return where;
  }
  double wakeAt() const { return at_ ? at_->when : std::numeric_limits<double>::infinity(); }

 private:
  struct Still {
    PointerInput where;
    double when;
  };
  std::optional<Still> at_;
  bool pressed_ = false;
};

}  // namespace session

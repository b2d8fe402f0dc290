#include "gestures.h"

#include <cmath>
#include <limits>

namespace session {

namespace {

using K = PointerInput::Kind;

PointerInput as(PointerInput in, K kind, shell::Button b) {
  in.kind = kind;
  in.button = b;
  in.device = Device::Mouse;
  return in;
}

}  // namespace

std::vector<PointerInput> Gestures::pointer(const PointerInput& input, double now) {
  std::vector<PointerInput> out;
  if (input.device == Device::Touch && input.button == shell::Button::Left) {
    if (input.kind == K::Press && input.onBoard && !pressed_ && !touch_) touch_ = Touch{input, now};
    else finger(input, out);
  } else {
    mouse(input, out);
  }
  return out;
}

void Gestures::mouse(const PointerInput& in, std::vector<PointerInput>& out) {
  switch (in.kind) {
    case K::Press:
      if (!in.onBoard || pressed_) return;  // the margin reaches no screen
      pressed_ = true;
      break;
    case K::Move:
      if (!pressed_) return;  // only a press follows the pointer
      break;
    case K::Release:
    case K::Cancel:
      if (!pressed_) return;
      pressed_ = false;
      break;
  }
  out.push_back(in);
}

void Gestures::finger(const PointerInput& p, std::vector<PointerInput>& out) {
  using shell::Button;
  switch (p.kind) {
    case K::Press:
      return;  // a second finger, or one in the margin
    case K::Move:
      if (touch_ && touch_->spoken) return;
      if (touch_ && !touch_->longPress &&
          std::hypot(p.x - touch_->press.x, p.y - touch_->press.y) > kTouchSlopTwips) {
        const PointerInput press = touch_->press;
        touch_.reset();
        mouse(as(press, K::Press, Button::Left), out);
      }
      if (!touch_) mouse(as(p, K::Move, Button::Left), out);
      return;
    case K::Release:
      if (touch_ && touch_->spoken) {
        // heard, not acted on
      } else if (touch_ && touch_->longPress) {
        mouse(as(p, K::Release, Button::Right), out);
      } else if (touch_) {
        mouse(as(touch_->press, K::Press, Button::Left), out);
        mouse(as(p, K::Release, Button::Left), out);
      } else {
        mouse(as(p, K::Release, Button::Left), out);
      }
      touch_.reset();
      return;
    case K::Cancel:
      if (!touch_ || (touch_->longPress && !touch_->spoken)) mouse(as(p, K::Cancel, Button::Left), out);
      touch_.reset();
      return;
  }
}

std::vector<PointerInput> Gestures::advance(double now,
                                            const std::function<bool(const PointerInput&)>& speaks) {
  std::vector<PointerInput> out;
  if (touch_ && !touch_->longPress && now >= touch_->at + kLongPressMs) {
    touch_->longPress = true;
    if (speaks && speaks(touch_->press)) touch_->spoken = true;
    else mouse(as(touch_->press, K::Press, shell::Button::Right), out);
  }
  return out;
}

double Gestures::wakeAt() const {
  if (touch_ && !touch_->longPress) return touch_->at + kLongPressMs;
  return std::numeric_limits<double>::infinity();
}

}  // namespace session

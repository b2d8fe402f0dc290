#include "session.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "catalogue.h"
#include "draw/record.h"

namespace session {

namespace {

// Where a release in the margin is delivered: outside every control, so that
// it ends a press or a drag without clicking or dropping anything.
constexpr double kOffBoard = -1e6;

}  // namespace

Session::Session(Machine& machine, const draw::Measure& measure)
    : machine_(machine), measure_(measure), program_(std::make_unique<shell::Program>(static_cast<shell::Platform&>(*this))) {
  program_->observe(this);
}

Session::~Session() { program_->observe(nullptr); }

// --- input -----------------------------------------------------------------

void Session::start(double now) { submit({Held::Kind::Start}, now); }

void Session::close(int screen, double now) {
  Held h{Held::Kind::Close};
  h.screen = screen;
  submit(h, now);
}

void Session::showOnly(int screen, double now) {
  Held h{Held::Kind::ShowOnly};
  h.screen = screen;
  submit(h, now);
}

std::optional<KeyName> Session::key(const Key& key, int shift, double now) {
  if (key.name == KeyName::WholeScreen) return key.name;
  if (key.name == KeyName::Voice) {
    setVoice(!voice_, now);
    return std::nullopt;
  }
  if (key.name != KeyName::Tab && !keyCodes(key)) return std::nullopt;
  Held h{Held::Kind::Key};
  h.key = key;
  h.shift = shift;
  submit(h, now);
  return std::nullopt;
}

void Session::pointer(const PointerInput& p, double now) {
  using K = PointerInput::Kind;
  if (p.device == Device::Touch && p.button == shell::Button::Left) return touch(p, now);
  Held h{Held::Kind::Pointer};
  h.pointer = p;
  switch (p.kind) {
    case K::Press:
      if (!p.onBoard || pressed_) return;  // the margin reaches no screen
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
  submit(h, now);
}

// A finger's press becomes a tap at its release, a drag once it moves
// beyond the slop, or the right button once it has been held still; a
// cancelled touch (palm rejection, a system gesture) does nothing at all.
void Session::touch(const PointerInput& p, double now) {
  using K = PointerInput::Kind;
  auto as = [](PointerInput in, K kind, shell::Button b) {
    in.kind = kind;
    in.button = b;
    in.device = Device::Mouse;
    return in;
  };
  switch (p.kind) {
    case K::Press:
      if (!p.onBoard || pressed_ || touch_) return;
      touch_ = Touch{p, now};
      return;
    case K::Move:
      if (touch_ && !touch_->longPress &&
          std::hypot(p.x - touch_->press.x, p.y - touch_->press.y) > kTouchSlopTwips) {
        const PointerInput press = touch_->press;
        touch_.reset();
        pointer(as(press, K::Press, shell::Button::Left), now);
      }
      if (!touch_) pointer(as(p, K::Move, shell::Button::Left), now);
      return;
    case K::Release:
      if (touch_ && touch_->longPress) {
        touch_.reset();
        pointer(as(p, K::Release, shell::Button::Right), now);
      } else if (touch_) {
        const PointerInput press = touch_->press;
        touch_.reset();
        pointer(as(press, K::Press, shell::Button::Left), now);
        pointer(as(p, K::Release, shell::Button::Left), now);
      } else {
        pointer(as(p, K::Release, shell::Button::Left), now);
      }
      return;
    case K::Cancel:
      if (touch_ && !touch_->longPress) {
        touch_.reset();
        return;
      }
      touch_.reset();
      pointer(as(p, K::Cancel, shell::Button::Left), now);
      return;
  }
}

void Session::setVoice(bool on, double now) {
  if (voice_ == on) return;
  voice_ = on;
  if (!on && speaking_) {
    speaking_ = 0;
    timeline_.push_front({now, Hush{}});
  }
}

// Input waits for the steps before it to have played, and for the input
// held before it.
void Session::submit(Held input, double now) {
  if (now < busyUntil_ || !held_.empty()) {
    // A run of pointer moves waiting together: the latest place is enough.
    if (input.kind == Held::Kind::Pointer && input.pointer.kind == PointerInput::Kind::Move &&
        !held_.empty() && held_.back().kind == Held::Kind::Pointer &&
        held_.back().pointer.kind == PointerInput::Kind::Move)
      held_.back() = input;
    else
      held_.push_back(input);
    return;
  }
  run(input, now);
}

// A handler that fails drops its input and is reported once; the program
// goes on from where the handler left it.
void Session::run(const Held& input, double start) {
  clock_ = start;
  try {
    deliver(input);
  } catch (const std::exception& e) {
    machine_.log(e.what());
  } catch (...) {
    machine_.log("unknown error");
  }
  if (speaking_ && (program_->ended() || !program_->form(speaking_).loaded())) {
    speaking_ = 0;
    append(Hush{});
  }
  append(capture());
  busyUntil_ = clock_;
  ranAt_ = start;
}

void Session::deliver(const Held& input) {
  shell::Program& p = *program_;
  switch (input.kind) {
    case Held::Kind::Start:
      if (p.ended()) {
        program_ = std::make_unique<shell::Program>(static_cast<shell::Platform&>(*this));
        program_->observe(this);
      }
      program_->start();
      return;
    case Held::Kind::ShowOnly:
      p.showOnly(input.screen);
      return;
    case Held::Kind::Close:
      p.close(input.screen);
      return;
    case Held::Kind::Key:
      if (input.key.name == KeyName::Tab) {
        p.tab();
      } else if (const auto k = keyCodes(input.key)) {
        p.key(k->character, k->keyCode, input.shift);
      }
      return;
    case Held::Kind::Pointer:
      deliverPointer(input.pointer);
      return;
  }
}

void Session::deliverPointer(const PointerInput& in) {
  shell::Program& p = *program_;
  if (p.ended()) return;
  const double x = in.onBoard ? in.x : kOffBoard, y = in.onBoard ? in.y : kOffBoard;
  switch (in.kind) {
    case PointerInput::Kind::Press: {
      const shell::Screen* s = screenFor(in.screen);
      if (!s) return;
      pressScreen_ = s->number();
      p.mouseDown(pressScreen_, in.button, x, y, in.shift);
      return;
    }
    case PointerInput::Kind::Move:
      p.mouseMove(pressScreen_, in.x, in.y);
      return;
    case PointerInput::Kind::Release:
      p.mouseUp(pressScreen_, in.button, x, y, in.shift);
      return;
    case PointerInput::Kind::Cancel:
      p.cancelPress();
      return;
  }
}

shell::Screen* Session::screenFor(int number) const {
  if (program_->ended()) return nullptr;
  if (number == 0) return program_->active();
  shell::Screen& s = program_->form(number);
  return s.loaded() ? &s : nullptr;
}

// --- output ----------------------------------------------------------------

void Session::append(Step step) {
  const double at = clock_;
  if (const auto* pause = std::get_if<Pause>(&step)) clock_ += std::max(pause->milliseconds, 0);
  timeline_.push_back({at, std::move(step)});
}

// The frame of this moment: every loaded screen's drawing and what its
// controls show under the pointer, and the focused box of the active one.
Frame Session::capture() const {
  Frame frame;
  frame.board = shown_.board;
  if (program_->ended()) {
    frame.ended = true;
    frame.emptyBoard = draw::emptyBoard(frame.board);
    return frame;
  }
  for (const shell::Screen* s : program_->loaded()) {
    Window w;
    w.screen = s->number();
    w.caption = s->caption();
    w.client = draw::clientRect(*s);
    w.drawing = draw::record(*program_, *s, measure_);
    for (const shell::Control* c : s->mouseTargets()) {
      const shell::Pointer pointer = voice_ && phraseOf(*s, *c) ? shell::Pointer::Hand : c->pointer;
      w.hover.push_back({draw::pixels(*c), pointer, c->toolTip});
    }
    frame.windows.push_back(std::move(w));
  }
  if (const shell::Screen* s = program_->active()) {
    frame.board = draw::clientRect(*s);
    if (const shell::Control* c = s->focus()) {
      frame.focusedBox = draw::pixels(*c);
      frame.keyboard = c->takesWords ? Keyboard::Letters : Keyboard::Digits;
    }
  }
  return frame;
}

void Session::beep() { append(Chime{}); }

// The picture of the moment stays on the board for the pause.
void Session::sleep(int milliseconds) {
  append(capture());
  append(Pause{milliseconds});
}

void Session::shown(shell::Screen& screen) {
  if (!voice_) return;
  if (const shell::Control* c = instruction(screen)) {
    const std::string text = fold(c->caption);
    if (text.empty()) return;
    say(text, screen);
  }
}

void Session::clicked(shell::Screen& screen, shell::Control& control) {
  if (!voice_) return;
  if (auto text = phraseOf(screen, control)) say(*text, screen);
}

// A phrase with no clip in the catalogue is not said.
void Session::say(const std::string& text, const shell::Screen& screen) {
  const auto key = clipOf(text);
  if (!key) return;
  append(Say{std::string(*key), text});
  speaking_ = screen.number();
}

// --- playback --------------------------------------------------------------

const Frame* Session::advance(double now) {
  if (touch_ && !touch_->longPress && now >= touch_->at + kLongPressMs) {
    touch_->longPress = true;
    PointerInput right = touch_->press;
    right.button = shell::Button::Right;
    right.device = Device::Mouse;
    pointer(right, now);
  }
  // The steps of an input play from the moment they are first asked for:
  // a handler that took long to run (a slow machine recording many
  // pictures) does not eat into its own animation.
  if (ranAt_ && now > *ranAt_) {
    const double late = now - *ranAt_;
    for (Timed& t : timeline_) t.at += late;
    busyUntil_ += late;
  }
  ranAt_.reset();
  while (!held_.empty() && now >= busyUntil_) {
    const Held h = held_.front();
    held_.pop_front();
    run(h, now);
  }
  ranAt_.reset();
  std::optional<Frame> latest;
  std::vector<Sound> sounds;
  while (!timeline_.empty() && timeline_.front().at <= now) {
    Step& step = timeline_.front().step;
    if (auto* frame = std::get_if<Frame>(&step))
      latest = std::move(*frame);
    else if (auto* chime = std::get_if<Chime>(&step))
      sounds.push_back(*chime);
    else if (auto* say = std::get_if<Say>(&step))
      sounds.push_back(std::move(*say));
    else if (auto* hush = std::get_if<Hush>(&step))
      sounds.push_back(*hush);
    timeline_.pop_front();
  }
  if (!latest && sounds.empty()) return nullptr;
  if (latest) {
    const unsigned long picture = shown_.picture + 1;
    shown_ = std::move(*latest);
    shown_.picture = picture;
  }
  shown_.sounds = std::move(sounds);
  return &shown_;
}

double Session::wakeAt() const {
  double at = std::numeric_limits<double>::infinity();
  if (!timeline_.empty()) at = timeline_.front().at;
  if (!held_.empty()) at = std::min(at, busyUntil_);
  if (touch_ && !touch_->longPress) at = std::min(at, touch_->at + kLongPressMs);
  return at;
}

std::vector<Step> Session::takeAll() {
  while (!held_.empty()) {
    const Held h = held_.front();
    held_.pop_front();
    run(h, busyUntil_);
  }
  std::vector<Step> steps;
  for (Timed& t : timeline_) {
    if (auto* frame = std::get_if<Frame>(&t.step)) shown_ = *frame;
    steps.push_back(std::move(t.step));
  }
  timeline_.clear();
  return steps;
}

}  // namespace session

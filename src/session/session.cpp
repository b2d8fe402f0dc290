#include "session.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "shell/units.h"

#include "parts.h"

namespace session {

namespace {

// Where a release in the margin is delivered: outside every control, so that
// it ends a press or a drag without clicking or dropping anything.
constexpr double kOffBoard = -1e6;

// The title's year: held, it opens the teacher's screen.
constexpr const char* kTitleYear = "Label4";

Input pointerInput(const PointerInput& p) {
  Input in{Input::Kind::Pointer};
  in.pointer = p;
  return in;
}

}  // namespace

Session::Parts::Parts(Machine& m, const draw::Measure& measure_)
    : machine(m),
      measure(measure_),
      recorder(m, [this] { return capture(*program, measure, voice.on(), shown.board); }),
      voice([this](Sound s) { recorder.add(std::move(s)); }) {
  newProgram();
}

void Session::Parts::newProgram() {
  program = std::make_unique<shell::Program>(recorder);
  program->observe(&voice);
  program->extend(&klass);
  klass.attach(*program);
  pressScreen = 0;
}

Session::Session(Machine& machine, const draw::Measure& measure)
    : parts_(std::make_unique<Parts>(machine, measure)) {}

Session::~Session() = default;

// --- input -----------------------------------------------------------------

void Session::start(double now) { parts_->submit({Input::Kind::Start}, now); }

void Session::close(int screen, double now) {
  Input in{Input::Kind::Close};
  in.screen = screen;
  parts_->submit(in, now);
}

std::optional<KeyName> Session::key(const Key& key, int shift, double now) {
  if (key.name == KeyName::WholeScreen) return key.name;
  if (key.name == KeyName::Voice) {
    setVoice(!voice(), now);
    return std::nullopt;
  }
  if (key.name != KeyName::Tab && !keyCodes(key)) return std::nullopt;
  parts_->act(now);
  Input in{Input::Kind::Key};
  in.key = key;
  in.shift = shift;
  parts_->submit(in, now);
  return std::nullopt;
}

void Session::pointer(const PointerInput& input, double now) {
  Parts& p = *parts_;
  p.rest.pointer(input, now);
  p.yearHold.pointer(input, now, input.kind == PointerInput::Kind::Press ? p.titleYear(input) : nullptr);
  if (input.kind == PointerInput::Kind::Press) p.act(now);
  if (input.kind == PointerInput::Kind::Move && !p.onNamed(input)) p.named.reset();
  for (const PointerInput& out : p.gestures.pointer(input, now)) p.submit(pointerInput(out), now);
}

bool Session::voice() const { return parts_->voice.on(); }

// Off: the phrases waiting are never said, and the one being said stops at
// once, whatever else is still to play.
void Session::setVoice(bool on, double now) {
  Parts& p = *parts_;
  if (p.voice.on() == on) return;
  if (!on) p.timeline.dropPhrases();
  if (p.voice.setOn(on) | (!on && std::exchange(p.naming, false))) p.timeline.hushNow(now);
}

void Session::Parts::submit(Input input, double now) {
  if (timeline.busy(now) || !held.empty()) held.push(std::move(input));
  else run(input, now, true);
}

// A handler that fails drops its input and is reported once; the program
// goes on from where the handler left it.
void Session::Parts::run(const Input& input, double start, bool fromFirstCall) {
  klass.at(start);
  try {
    deliver(input);
  } catch (const std::exception& e) {
    machine.log(e.what());
  } catch (...) {
    machine.log("unknown error");
  }
  voice.settle(*program);
  recorder.picture();
  timeline.lay(recorder.take(), start, fromFirstCall);
}

void Session::Parts::deliver(const Input& input) {
  switch (input.kind) {
    case Input::Kind::Start:
      if (program->ended()) newProgram();
      program->start();
      return;
    case Input::Kind::Call:
      input.call(*program);
      return;
    case Input::Kind::Close:
      if (screenFor(input.screen) && input.screen != 0) program->close(input.screen);
      return;
    case Input::Kind::Key:
      if (input.key.name == KeyName::Tab) {
        program->tab();
      } else if (const auto k = keyCodes(input.key)) {
        program->key(k->character, k->keyCode, input.shift);
      }
      return;
    case Input::Kind::Pointer:
      deliverPointer(input.pointer);
      return;
  }
}

// A press goes to the screen it is on; its moves and its release follow it
// there, even once another screen is in front. A press that reached no
// screen takes its moves and release with it.
void Session::Parts::deliverPointer(const PointerInput& in) {
  if (program->ended()) return;
  const double x = in.onBoard ? in.x : kOffBoard, y = in.onBoard ? in.y : kOffBoard;
  switch (in.kind) {
    case PointerInput::Kind::Press: {
      const shell::Screen* s = screenFor(in.screen);
      pressScreen = s ? s->number() : 0;
      if (s) program->mouseDown(pressScreen, in.button, x, y, in.shift);
      return;
    }
    case PointerInput::Kind::Move:
      if (pressScreen) program->mouseMove(pressScreen, in.x, in.y);
      return;
    case PointerInput::Kind::Release:
      if (pressScreen) program->mouseUp(std::exchange(pressScreen, 0), in.button, x, y, in.shift);
      return;
    case PointerInput::Kind::Cancel:
      if (std::exchange(pressScreen, 0)) program->cancelPress();
      return;
  }
}

shell::Screen* Session::Parts::screenFor(int number) const {
  if (program->ended()) return nullptr;
  if (number == 0) return program->active();
  for (shell::Screen* s : program->loaded())
    if (s->number() == number) return s;
  return nullptr;
}

// --- the class record --------------------------------------------------------

void Session::openClass(record::Book book, double epochMs) { parts_->klass.open(std::move(book), {epochMs}); }

bool Session::classOn() const { return parts_->klass.on(); }

void Session::classTurnable(bool turnable) { parts_->klass.setTurnable(turnable); }

// Said at once on the teacher's screen, in a picture of its own.
void Session::classTrouble(std::string message) {
  Input in{Input::Kind::Call};
  in.call = [this, message = std::move(message)](shell::Program&) { parts_->klass.trouble(message); };
  parts_->submit(std::move(in), std::max(parts_->timeline.end(), 0.0));
}
const record::Book& Session::classBook() const { return parts_->klass.book(); }


void Session::imported(const std::string& text, double now) {
  Input in{Input::Kind::Call};
  in.call = [this, text](shell::Program&) { parts_->klass.imported(text); };  // said on the teacher's screen
  parts_->submit(in, now);
}

std::vector<record::Change> Session::takeChanges() { return parts_->klass.changes(); }

// --- playback --------------------------------------------------------------

void Session::Parts::show(Frame frame) {
  const unsigned long picture = shown.picture + 1;
  shown = std::move(frame);
  shown.picture = picture;
}

std::optional<Session::Parts::Spot> Session::Parts::spotAt(const PointerInput& at) const {
  const Window* w = at.screen ? shown.window(at.screen) : shown.active();
  const HoverArea* area =
      w && at.onBoard ? w->hoverAt(at.x / shell::kTwipsPerPixel, at.y / shell::kTwipsPerPixel) : nullptr;
  if (!area) return std::nullopt;
  return Spot{w->screen, area->area, area->says};
}

bool Session::Parts::onNamed(const PointerInput& at) const {
  const auto spot = spotAt(at);
  return named && spot && named->screen == spot->screen && named->area == spot->area;
}

// The name is said from the frame shown: what the child sees there is what
// is heard, also while a picture still plays.
bool Session::Parts::sayName(const PointerInput& at, double now) {
  const auto spot = voice.on() ? spotAt(at) : std::nullopt;
  if (!spot || !spot->says) return false;
  if (onNamed(at)) return true;
  timeline.soundNow(*spot->says, now);
  named = spot;
  naming = true;
  return true;
}

void Session::Parts::act(double now) {
  if (std::exchange(naming, false)) timeline.hushNow(now);
  named.reset();
}

void Session::Parts::wake(double now) {
  timeline.rebase(now);
  for (const PointerInput& in : gestures.advance(now, [&](const PointerInput& at) { return sayName(at, now); })) {
    if (timeline.busy(now) || !held.empty()) held.push(pointerInput(in));
    else run(pointerInput(in), now, false);
  }
  if (yearHold.due(now)) openTeacher(now);
  while (!held.empty() && !timeline.busy(now)) run(*held.pop(), now, false);
  if (const auto at = rest.due(now)) sayName(*at, now);
}

const shell::Control* Session::Parts::titleYear(const PointerInput& at) const {
  const shell::Screen* s = program->ended() ? nullptr : program->active();
  if (!s || s->number() != 1 || (at.screen != 0 && at.screen != 1)) return nullptr;
  return program->form(1).find(kTitleYear);
}

void Session::Parts::openTeacher(double now) {
  Input in{Input::Kind::Call};
  in.call = [](shell::Program& p) {
    const shell::Screen* s = p.active();
    if (p.ended() || !s || s->number() != 1) return;  // the title was left meanwhile
    p.show(record::kTeacher);
    p.unload(1);
  };
  if (timeline.busy(now) || !held.empty()) held.push(std::move(in));
  else run(in, now, false);
}

const Frame* Session::advance(double now) {
  Parts& p = *parts_;
  p.wake(now);
  Timeline::Due due = p.timeline.due(now);
  if (!due.frame && due.sounds.empty()) return nullptr;
  if (due.frame) p.show(std::move(*due.frame));
  p.shown.sounds = std::move(due.sounds);
  return &p.shown;
}

const Frame& Session::frame() const { return parts_->shown; }

double Session::wakeAt() const {
  const Parts& p = *parts_;
  double at = std::min({p.timeline.wakeAt(), p.gestures.wakeAt(), p.rest.wakeAt(), p.yearHold.wakeAt()});
  if (!p.held.empty()) at = std::min(at, p.timeline.end());
  return at;
}

}  // namespace session

#include "input.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "session/session.h"
#include "shell/program.h"
#include "syntax.h"
#include "testing/probe.h"

namespace scenarios {

namespace {

using session::PointerInput;
using shell::Button;
using shell::Control;

Button button(const std::string& word) {
  return word == "right" ? Button::Right : word == "middle" ? Button::Middle : Button::Left;
}

void beforeInput(const shell::Program& program) {
  if (program.ended()) throw InputRefused{"input after the program ended"};
}

Control& control(shell::Program& program, const std::string& word) {
  std::string error;
  auto ref = controlRef(word, false, error);
  return loadedScreen(program, ref->screen)(ref->control);
}

PointerInput at(PointerInput::Kind kind, int screen, Button b, double x, double y) {
  PointerInput p;
  p.kind = kind;
  p.screen = screen;
  p.button = b;
  p.x = x;
  p.y = y;
  return p;
}

}  // namespace

shell::Screen& loadedScreen(shell::Program& program, int n) {
  shell::Screen& s = program.form(n);
  if (!s.loaded()) throw InputRefused{"Form" + std::to_string(n) + " is not loaded"};
  return s;
}

int screenOf(const std::string& word) { return *screenNumber(word.substr(0, word.find('.'))); }

bool isInput(const std::string& verb) {
  static const std::array<const char*, 13> verbs = {"random", "show", "click", "press", "release", "move", "rest", "hold",
                                                    "drag",   "type", "keypad", "key",  "close"};
  return std::any_of(verbs.begin(), verbs.end(), [&](const char* v) { return verb == v; });
}

void applyInput(session::Session& session, double now, const std::function<void(double)>& queue,
                const std::vector<Word>& w) {
  using K = PointerInput::Kind;
  session::Probe probe(session);
  shell::Program& program = probe.program();
  const std::string& verb = w[0].text;
  auto pointer = [&](const PointerInput& p) { session.pointer(p, now); };
  if (verb == "random") {
    for (size_t i = 1; i < w.size(); ++i) queue(*number(w[i].text));
    return;
  }
  if (verb == "type") {
    for (unsigned cp : shell::codePoints(w[1].text)) {
      beforeInput(program);
      session.key({session::KeyName::Character, cp}, 0, now);
    }
    return;
  }
  beforeInput(program);
  if (verb == "show") {
    probe.showOnly(*screenNumber(w[1].text), now);
  } else if (verb == "click") {
    int n = 0;
    double x = 0, y = 0;
    if (w.size() == 2) {
      n = screenOf(w[1].text);
      const Control& c = control(program, w[1].text);
      x = c.centreX();
      y = c.centreY();
    } else {
      n = *screenNumber(w[1].text);
      loadedScreen(program, n);
      x = *number(w[2].text);
      y = *number(w[3].text);
    }
    pointer(at(K::Press, n, Button::Left, x, y));
    pointer(at(K::Release, n, Button::Left, x, y));
  } else if (verb == "press" || verb == "release") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    pointer(at(verb == "press" ? K::Press : K::Release, n, button(w[2].text), *number(w[3].text),
               *number(w[4].text)));
  } else if (verb == "move") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    pointer(at(K::Move, n, Button::Left, *number(w[2].text), *number(w[3].text)));
  } else if (verb == "drag") {
    const int n = screenOf(w[1].text);
    const Control& a = control(program, w[1].text);
    const double ax = a.centreX(), ay = a.centreY();
    const Control& b = control(program, w[2].text);
    const double bx = b.centreX(), by = b.centreY();
    pointer(at(K::Press, n, Button::Left, ax, ay));
    pointer(at(K::Move, n, Button::Left, bx, by));
    pointer(at(K::Release, n, Button::Left, bx, by));
  } else if (verb == "rest" || verb == "hold") {
    // Still, then the mouse goes off the board, or the finger is lifted
    // where it was.
    constexpr double kStill = kStillMs;
    const int n = screenOf(w[1].text);
    const Control& c = control(program, w[1].text);
    PointerInput p = at(verb == "rest" ? K::Move : K::Press, n, Button::Left, c.centreX(), c.centreY());
    if (verb == "hold") p.device = session::Device::Touch;
    pointer(p);
    probe.elapse(now + kStill);
    p.kind = verb == "rest" ? K::Move : K::Release;
    p.onBoard = verb == "hold";
    session.pointer(p, now + kStill);
  } else if (verb == "keypad") {
    session.key({session::KeyName::Character, static_cast<unsigned>(w[1].text[0]), true}, 0, now);
  } else if (verb == "key") {
    if (const auto name = session::keyNamed(w[1].text)) session.key({*name}, 0, now);
  } else if (verb == "close") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    session.close(n, now);
  }
}

std::optional<std::string> property(const Control& c, const std::string& p) {
  auto num = [](double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", v);
    return std::string(text);
  };
  auto flag = [](bool v) { return std::string(v ? "true" : "false"); };
  if (p == "Caption") return c.caption;
  if (p == "Text") return c.text;
  if (p == "ToolTipText") return c.toolTip;
  if (p == "Visible") return flag(c.visible);
  if (p == "Enabled") return flag(c.enabled);
  if (p == "Locked") return flag(c.locked);
  if (p == "ForeColor") return num(c.foreColor);
  if (p == "BackColor") return num(c.backColor);
  if (p == "BorderColor") return num(c.borderColor);
  if (p == "FillColor") return num(c.fillColor);
  if (p == "Left") return num(c.left);
  if (p == "Top") return num(c.top);
  if (p == "Width") return num(c.kind == shell::Kind::Line ? c.x2 - c.left : c.width);
  if (p == "Height") return num(c.kind == shell::Kind::Line ? c.y2 - c.top : c.height);
  if (p == "TabIndex") return num(c.tabIndex);
  return std::nullopt;
}

}  // namespace scenarios

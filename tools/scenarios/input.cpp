#include "input.h"

#include <algorithm>
#include <array>

#include "shell/program.h"
#include "syntax.h"

namespace scenarios {

namespace {

using shell::Button;
using shell::Control;

Button button(const std::string& word) {
  return word == "right" ? Button::Right : word == "middle" ? Button::Middle : Button::Left;
}

// Key code of a typed character on the main keyboard.
int keyCodeOf(unsigned ch) {
  if (ch >= '0' && ch <= '9') return static_cast<int>(ch);
  if (ch >= 'a' && ch <= 'z') return static_cast<int>(ch - 32);
  if (ch >= 'A' && ch <= 'Z') return static_cast<int>(ch);
  switch (ch) {
    case ' ': return 32;
    case '+': return 187;
    case ',': return 188;
    case '-': return 189;
    case '.': return 190;
    default: return 0;
  }
}

void beforeInput(const shell::Program& program) {
  if (program.ended()) throw InputRefused{"input after the program ended"};
}

Control& control(shell::Program& program, const std::string& word) {
  std::string error;
  auto ref = controlRef(word, false, error);
  return loadedScreen(program, ref->screen)(ref->control);
}

void pressKey(shell::Program& program, const std::string& name) {
  if (name == "Tab") return program.tab();
  struct K { const char* name; int ch, code; };
  static const K keys[] = {{"Backspace", 8, 8}, {"Enter", 13, 13}, {"Escape", 27, 27},
                           {"Delete", 0, 46},   {"Left", 0, 37},   {"Right", 0, 39},
                           {"Home", 0, 36},     {"End", 0, 35},    {"Shift", 0, 16}};
  for (const K& k : keys)
    if (name == k.name) return program.key(k.ch, k.code);
}

}  // namespace

shell::Screen& loadedScreen(shell::Program& program, int n) {
  shell::Screen& s = program.form(n);
  if (!s.loaded()) throw InputRefused{"Form" + std::to_string(n) + " is not loaded"};
  return s;
}

int screenOf(const std::string& word) { return *screenNumber(word.substr(0, word.find('.'))); }

bool isInput(const std::string& verb) {
  static const std::array<const char*, 11> verbs = {"random", "show", "click", "press", "release", "move",
                                                    "drag",   "type", "keypad", "key",  "close"};
  return std::any_of(verbs.begin(), verbs.end(), [&](const char* v) { return verb == v; });
}

void applyInput(shell::Program& program, const std::function<void(double)>& queue,
                const std::vector<Word>& w) {
  const std::string& verb = w[0].text;
  if (verb == "random") {
    for (size_t i = 1; i < w.size(); ++i) queue(*number(w[i].text));
    return;
  }
  if (verb == "type") {
    for (unsigned cp : shell::codePoints(w[1].text)) {
      beforeInput(program);
      program.key(cp < 256 ? static_cast<int>(cp) : '?', keyCodeOf(cp));
    }
    return;
  }
  beforeInput(program);
  if (verb == "show") {
    const int n = *screenNumber(w[1].text);
    if (!shell::Program::defined(n)) throw InputRefused{w[1].text + " is not built yet"};
    program.showOnly(n);
  } else if (verb == "click" && w.size() == 2) {
    const int n = screenOf(w[1].text);
    Control& c = control(program, w[1].text);
    const double x = c.centreX(), y = c.centreY();
    program.mouseDown(n, Button::Left, x, y);
    program.mouseUp(n, Button::Left, x, y);
  } else if (verb == "click") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    const double x = *number(w[2].text), y = *number(w[3].text);
    program.mouseDown(n, Button::Left, x, y);
    program.mouseUp(n, Button::Left, x, y);
  } else if (verb == "press" || verb == "release") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    const double x = *number(w[3].text), y = *number(w[4].text);
    if (verb == "press")
      program.mouseDown(n, button(w[2].text), x, y);
    else
      program.mouseUp(n, button(w[2].text), x, y);
  } else if (verb == "move") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    program.mouseMove(n, *number(w[2].text), *number(w[3].text));
  } else if (verb == "drag") {
    const int n = screenOf(w[1].text);
    Control& a = control(program, w[1].text);
    const double ax = a.centreX(), ay = a.centreY();
    Control& b = control(program, w[2].text);
    const double bx = b.centreX(), by = b.centreY();
    program.mouseDown(n, Button::Left, ax, ay);
    program.mouseMove(n, bx, by);
    program.mouseUp(n, Button::Left, bx, by);
  } else if (verb == "keypad") {
    const int d = w[1].text[0] - '0';
    program.key('0' + d, 96 + d);
  } else if (verb == "key") {
    pressKey(program, w[1].text);
  } else if (verb == "close") {
    const int n = *screenNumber(w[1].text);
    loadedScreen(program, n);
    program.close(n);
  }
}

}  // namespace scenarios

// The page's test hook (window.aritmetica.run): scenario input commands on
// the live program, so that a test in a real browser can put a screen into
// the state a scenario file sets, drawn values included.
#include <algorithm>
#include <cstdio>

#include "page.h"
#include "syntax.h"

namespace web {

namespace {

using shell::Button;

// Key code of a typed character on the main keyboard, as the scenario
// runner gives it.
int keyCodeOf(unsigned ch) {
  if (ch >= '0' && ch <= '9') return int(ch);
  if (ch >= 'a' && ch <= 'z') return int(ch - 32);
  if (ch >= 'A' && ch <= 'Z') return int(ch);
  return ch == ' ' ? 32 : 0;
}

// Latin-1 code points of UTF-8 text.
std::vector<int> characters(const std::string& s) {
  std::vector<int> out;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = s[i];
    if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
      out.push_back(((c & 0x1F) << 6) | (s[++i] & 0x3F));
    } else if (c < 0x80) {
      out.push_back(c);
    }
  }
  return out;
}

Button button(const std::string& w) {
  return w == "right" ? Button::Right : w == "middle" ? Button::Middle : Button::Left;
}

std::string execute(Page& page, const std::vector<scenarios::Word>& w) {
  shell::Program& p = *page.program;
  const std::string& verb = w[0].text;
  if (verb == "random") {
    for (size_t i = 1; i < w.size(); ++i) page.platform.queued.push_back(*scenarios::number(w[i].text));
    return "";
  }
  if (p.ended()) return "input after the program ended";
  auto screenOf = [](const std::string& word) { return *scenarios::screenNumber(word.substr(0, word.find('.'))); };
  auto control = [&](const std::string& word) -> shell::Control* {
    std::string error;
    auto ref = scenarios::controlRef(word, false, error);
    shell::Screen& s = p.form(ref->screen);
    return s.loaded() ? s.find(ref->control) : nullptr;
  };
  if (verb == "show") {
    p.showOnly(screenOf(w[1].text));
  } else if (verb == "click" && w.size() == 2) {
    shell::Control* c = control(w[1].text);
    if (!c) return w[1].text + " is not on a loaded screen";
    const double x = c->centreX(), y = c->centreY();
    p.mouseDown(screenOf(w[1].text), Button::Left, x, y);
    p.mouseUp(screenOf(w[1].text), Button::Left, x, y);
  } else if (verb == "click") {
    const double x = *scenarios::number(w[2].text), y = *scenarios::number(w[3].text);
    p.mouseDown(screenOf(w[1].text), Button::Left, x, y);
    p.mouseUp(screenOf(w[1].text), Button::Left, x, y);
  } else if (verb == "press" || verb == "release") {
    const double x = *scenarios::number(w[3].text), y = *scenarios::number(w[4].text);
    if (verb == "press")
      p.mouseDown(screenOf(w[1].text), button(w[2].text), x, y);
    else
      p.mouseUp(screenOf(w[1].text), button(w[2].text), x, y);
  } else if (verb == "move") {
    p.mouseMove(screenOf(w[1].text), *scenarios::number(w[2].text), *scenarios::number(w[3].text));
  } else if (verb == "drag") {
    shell::Control* a = control(w[1].text);
    shell::Control* b = control(w[2].text);
    if (!a || !b) return "drag: not on a loaded screen";
    const int n = screenOf(w[1].text);
    const double bx = b->centreX(), by = b->centreY();
    p.mouseDown(n, Button::Left, a->centreX(), a->centreY());
    p.mouseMove(n, bx, by);
    p.mouseUp(n, Button::Left, bx, by);
  } else if (verb == "type") {
    for (int ch : characters(w[1].text)) p.key(ch, keyCodeOf(unsigned(ch)));
  } else if (verb == "keypad") {
    const int d = w[1].text[0] - '0';
    p.key('0' + d, 96 + d);
  } else if (verb == "key") {
    struct K { const char* name; int ch, code; };
    static const K keys[] = {{"Backspace", 8, 8}, {"Enter", 13, 13}, {"Escape", 27, 27},
                             {"Delete", 0, 46},   {"Left", 0, 37},   {"Right", 0, 39},
                             {"Home", 0, 36},     {"End", 0, 35},    {"Shift", 0, 16}};
    if (w[1].text == "Tab") p.tab();
    for (const K& k : keys)
      if (w[1].text == k.name) p.key(k.ch, k.code);
  } else if (verb == "close") {
    p.close(screenOf(w[1].text));
  } else {
    return "not an input command: " + verb;
  }
  return "";
}

}  // namespace

std::string runCommands(Page& page, const std::string& lines) {
  size_t start = 0;
  for (int n = 1; start <= lines.size(); ++n) {
    size_t end = lines.find('\n', start);
    if (end == std::string::npos) end = lines.size();
    const std::string line = lines.substr(start, end - start);
    start = end + 1;
    scenarios::Command cmd{n, {}};
    std::string error;
    if (!scenarios::splitLine(line, cmd.words, error)) return "line " + std::to_string(n) + ": " + error;
    // Checks and case headings are left to the test that sends the lines.
    if (cmd.words.empty() || cmd.words[0].text == "case" || cmd.words[0].text == "expect" ||
        cmd.words[0].text == "snapshot")
      continue;
    if (!scenarios::checkCommand(cmd, error)) return "line " + std::to_string(n) + ": " + error;
    error = execute(page, cmd.words);
    if (!error.empty()) return "line " + std::to_string(n) + ": " + error;
  }
  return "";
}

std::string query(Page& page, const std::string& word) {
  std::string error;
  const bool withProperty = std::count(word.begin(), word.end(), '.') == 2;
  auto ref = scenarios::controlRef(word, withProperty, error);
  if (!ref || !page.program || page.program->ended()) return "";
  shell::Screen& s = page.program->form(ref->screen);
  const shell::Control* c = s.loaded() ? s.find(ref->control) : nullptr;
  if (!c) return "";
  auto num = [](double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    return std::string(text);
  };
  const std::string& p = ref->property;
  if (!withProperty) return num(c->left) + " " + num(c->top) + " " + num(c->width) + " " + num(c->height);
  if (p == "Caption") return c->caption;
  if (p == "Text") return c->text;
  if (p == "Visible") return c->visible ? "true" : "false";
  if (p == "Enabled") return c->enabled ? "true" : "false";
  if (p == "Left") return num(c->left);
  if (p == "Top") return num(c->top);
  return "";
}

}  // namespace web

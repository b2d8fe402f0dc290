// The page's test hook (window.aritmetica.run): scenario input commands on
// the live program, so that a test in a real browser can put a screen into
// the state a scenario file sets, drawn values included.
#include <algorithm>
#include <cstdio>

#include "input.h"
#include "page.h"
#include "syntax.h"

namespace web {

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
    if (!scenarios::isInput(cmd.words[0].text)) return "line " + std::to_string(n) + ": not an input command";
    try {
      scenarios::applyInput(*page.program, [&](double r) { page.platform.queued.push_back(r); }, cmd.words);
    } catch (const scenarios::InputRefused& r) {
      return "line " + std::to_string(n) + ": " + r.message;
    }
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

#include "syntax.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>

#include "testing/fake_platform.h"
#include "shell/program.h"

namespace scenarios {

namespace {

// The exercise screens and the class record's two: "Chi sei?" and the
// teacher's.
constexpr int kLastScreen = 45;

// A program used only to read the screens' designs.
shell::Screen& designOf(int n) {
  static shell::FakePlatform platform;
  static shell::Program program(platform);
  return program.form(n);
}

const std::set<std::string> kProperties = {
    "Caption", "Text",   "Visible", "Enabled", "Locked", "ForeColor",  "BackColor",  "BorderColor",
    "FillColor", "Left", "Top",     "Width",   "Height", "TabIndex",   "ToolTipText",
};
const std::set<std::string> kKeys = {"Backspace", "Enter", "Tab",  "Escape", "Delete",
                                     "Left",      "Right", "Home", "End",    "Shift"};
const std::set<std::string> kButtons = {"left", "right", "middle"};
// The fields of a row of the class record that `expect row` checks.
const std::set<std::string> kRowTexts = {"child", "menu", "shown", "given"};
const std::set<std::string> kRowNumbers = {"screen", "attempt", "ms"};
const std::set<std::string> kRowFlags = {"right", "firstRight"};

bool fail(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

bool count(const Command& c, size_t n, const char* usage, std::string& error) {
  if (c.words.size() == n) return true;
  return fail(error, std::string("usage: ") + usage);
}

bool isScreen(const Word& w, std::string& error) {
  if (!w.quoted && screenNumber(w.text)) return true;
  return fail(error, "not a screen (Form1 to Form45): " + w.text);
}

bool isControl(const Word& w, std::string& error) {
  if (w.quoted) return fail(error, "a control is written FormN.Control, without quotes: \"" + w.text + "\"");
  return controlRef(w.text, false, error).has_value();
}

bool isNumber(const Word& w, std::string& error) {
  if (!w.quoted && number(w.text)) return true;
  return fail(error, "not a number: " + w.text);
}

bool isCount(const Word& w, std::string& error) {
  auto v = number(w.text);
  if (!w.quoted && v && *v >= 0 && std::floor(*v) == *v) return true;
  return fail(error, "not a whole number: " + w.text);
}

// A name of a file in the output folder, never a path out of it.
bool isPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

bool checkExpect(const Command& c, std::string& error) {
  const auto& w = c.words;
  if (w.size() < 2) return fail(error, "usage: expect WHAT ...");
  const std::string& what = w[1].text;
  if (what == "loaded") {
    for (size_t i = 2; i < w.size(); ++i)
      if (!isScreen(w[i], error)) return false;
    return true;
  }
  if (what == "active") return count(c, 3, "expect active FormN", error) && isScreen(w[2], error);
  if (what == "focus") {
    if (!count(c, 3, "expect focus FormN.Control | none", error)) return false;
    return w[2].text == "none" || isControl(w[2], error);
  }
  if (what == "beeps" || what == "reseeds")
    return count(c, 3, "expect beeps|reseeds N", error) && isCount(w[2], error);
  if (what == "sleeps")
    return count(c, 4, "expect sleeps N MS", error) && isCount(w[2], error) && isCount(w[3], error);
  if (what == "ended") return count(c, 2, "expect ended", error);
  if (what == "said") return true;  // any number of phrases, none included
  if (what == "rows") return count(c, 3, "expect rows N", error) && isCount(w[2], error);
  if (what == "row") {
    if (!count(c, 5, "expect row I FIELD VALUE", error)) return false;
    if (w[2].quoted || !index(w[2].text)) return fail(error, "a row index is a whole number from 1 up, not " + w[2].text);
    const std::string& field = w[3].text;
    if (kRowTexts.count(field)) return true;
    if (kRowNumbers.count(field)) return isCount(w[4], error);
    if (kRowFlags.count(field)) {
      if (w[4].text == "true" || w[4].text == "false") return true;
      return fail(error, field + " is true or false, not " + w[4].text);
    }
    return fail(error, "a row has no field " + field);
  }
  const auto dot = what.find('.');
  if (dot != std::string::npos && !screenNumber(what.substr(0, dot)))
    return fail(error, "not a screen (Form1 to Form45): " + what.substr(0, dot));
  if (dot != std::string::npos && what.substr(dot + 1) == "boxes")
    return count(c, 3, "expect FormN.boxes N", error) && isCount(w[2], error);
  if (dot != std::string::npos && what.substr(dot + 1) == "box") {
    if (!count(c, 9, "expect FormN.box I LEFT TOP WIDTH HEIGHT COLOUR solid|outline", error)) return false;
    if (w[2].quoted || !index(w[2].text)) return fail(error, "a box index is a whole number from 1 up, not " + w[2].text);
    for (size_t i = 3; i < 8; ++i)
      if (!isNumber(w[i], error)) return false;
    if (w[8].text != "solid" && w[8].text != "outline") return fail(error, "solid or outline, not " + w[8].text);
    return true;
  }
  if (!count(c, 3, "expect FormN.Control.Property VALUE", error)) return false;
  auto ref = controlRef(what, true, error);
  if (!ref) return false;
  const std::string& p = ref->property;
  if (p == "Caption" || p == "Text" || p == "ToolTipText") return true;
  if (p == "Visible" || p == "Enabled" || p == "Locked") {
    if (w[2].text == "true" || w[2].text == "false") return true;
    return fail(error, p + " is true or false, not " + w[2].text);
  }
  return isNumber(w[2], error);
}

}  // namespace

std::optional<int> screenNumber(const std::string& word) {
  if (word.size() < 5 || word.compare(0, 4, "Form") != 0) return std::nullopt;
  int n = 0;
  const char* first = word.data() + 4;
  const char* last = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(first, last, n);
  if (ec != std::errc() || ptr != last || *first == '0' || n < 1 || n > kLastScreen)
    return std::nullopt;
  return n;
}

std::optional<ControlRef> controlRef(const std::string& word, bool withProperty, std::string& error) {
  const auto dot = word.find('.');
  const auto screen = screenNumber(word.substr(0, dot));
  if (!screen) {
    error = "not a screen (Form1 to Form45): " + word.substr(0, dot);
    return std::nullopt;
  }
  if (dot == std::string::npos) {
    error = "expected FormN.Control, found " + word;
    return std::nullopt;
  }
  ControlRef ref{*screen, word.substr(dot + 1), {}};
  if (withProperty) {
    const auto dot2 = ref.control.find('.');
    if (dot2 == std::string::npos) {
      error = "expected FormN.Control.Property, found " + word;
      return std::nullopt;
    }
    ref.property = ref.control.substr(dot2 + 1);
    ref.control.resize(dot2);
    if (!kProperties.count(ref.property)) {
      error = "unknown property " + ref.property;
      return std::nullopt;
    }
  }
  bool known = false;
  for (const auto& c : designOf(*screen).design().controls) known = known || c.name == ref.control;
  if (!known) {
    error = "Form" + std::to_string(*screen) + " has no control " + ref.control;
    return std::nullopt;
  }
  return ref;
}

std::optional<double> number(const std::string& word) {
  if (word.empty()) return std::nullopt;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    unsigned long long v = 0;
    auto [ptr, ec] = std::from_chars(word.data() + 2, word.data() + word.size(), v, 16);
    if (ec != std::errc() || ptr != word.data() + word.size()) return std::nullopt;
    return static_cast<double>(v);
  }
  double v = 0;
#if defined(__cpp_lib_to_chars)
  auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc() || ptr != word.data() + word.size() || !std::isfinite(v)) return std::nullopt;
#else
  // A library without from_chars for reals (emscripten's): strtod, refused
  // where from_chars would refuse (leading blank or sign, hexadecimal).
  if (word.front() == '+' || std::isspace(static_cast<unsigned char>(word.front())) ||
      word.find_first_of("xX") != std::string::npos)
    return std::nullopt;
  char* end = nullptr;
  v = std::strtod(word.c_str(), &end);
  if (end != word.c_str() + word.size() || !std::isfinite(v)) return std::nullopt;
#endif
  return v;
}

std::optional<int> index(const std::string& word) {
  int n = 0;
  const char* last = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), last, n);
  if (ec != std::errc() || ptr != last || n < 1) return std::nullopt;
  return n;
}

bool checkCommand(const Command& c, std::string& error) {
  const auto& w = c.words;
  const std::string& verb = w[0].text;
  if (w[0].quoted) return fail(error, "unknown command \"" + verb + "\"");
  if (verb == "random") {
    if (w.size() < 2) return fail(error, "usage: random R1 R2 ...");
    for (size_t i = 1; i < w.size(); ++i) {
      auto v = w[i].quoted ? std::nullopt : number(w[i].text);
      if (!v || *v < 0 || *v >= 1) return fail(error, "not a real in [0, 1): " + w[i].text);
    }
    return true;
  }
  if (verb == "show" || verb == "close")
    return count(c, 2, "show|close FormN", error) && isScreen(w[1], error);
  if (verb == "click") {
    if (w.size() == 2) return isControl(w[1], error);
    return count(c, 4, "click FormN.Control | click FormN X Y", error) && isScreen(w[1], error) &&
           isNumber(w[2], error) && isNumber(w[3], error);
  }
  if (verb == "press" || verb == "release") {
    if (!count(c, 5, "press|release FormN BUTTON X Y", error) || !isScreen(w[1], error)) return false;
    if (!kButtons.count(w[2].text)) return fail(error, "not a button (left, right, middle): " + w[2].text);
    return isNumber(w[3], error) && isNumber(w[4], error);
  }
  if (verb == "move")
    return count(c, 4, "move FormN X Y", error) && isScreen(w[1], error) && isNumber(w[2], error) &&
           isNumber(w[3], error);
  if (verb == "drag") {
    if (!count(c, 3, "drag FormN.A FormN.B", error) || !isControl(w[1], error) || !isControl(w[2], error))
      return false;
    if (w[1].text.substr(0, w[1].text.find('.')) != w[2].text.substr(0, w[2].text.find('.')))
      return fail(error, "drag within one screen");
    return true;
  }
  if (verb == "rest" || verb == "hold")
    return count(c, 2, "rest|hold FormN.Control", error) && isControl(w[1], error);
  if (verb == "type") return count(c, 2, "type TEXT", error);
  if (verb == "keypad") {
    if (!count(c, 2, "keypad D", error)) return false;
    if (w[1].text.size() == 1 && w[1].text[0] >= '0' && w[1].text[0] <= '9') return true;
    return fail(error, "keypad takes one digit, not " + w[1].text);
  }
  if (verb == "key") {
    if (!count(c, 2, "key NAME", error)) return false;
    if (kKeys.count(w[1].text)) return true;
    return fail(error, "unknown key " + w[1].text);
  }
  if (verb == "snapshot") {
    if (!count(c, 2, "snapshot NAME", error)) return false;
    if (isPlainFileName(w[1].text)) return true;
    return fail(error, "a snapshot is named by a plain file name, without folders: " + w[1].text);
  }
  if (verb == "classe") {
    // classe "NAME" ... [child "NAME"]
    size_t names = 1;
    while (names < w.size() && w[names].quoted) ++names;
    if (names == 1) return fail(error, "usage: classe \"NAME\" ... [child \"NAME\"]");
    if (names == w.size()) return true;
    if (w[names].text != "child" || names + 2 != w.size() || !w[names + 1].quoted)
      return fail(error, "usage: classe \"NAME\" ... [child \"NAME\"]");
    for (size_t i = 1; i < names; ++i)
      if (w[i].text == w[names + 1].text) return true;
    return fail(error, "not a child of the class: " + w[names + 1].text);
  }
  if (verb == "child") {
    if (!count(c, 2, "child \"NAME\"", error)) return false;
    return w[1].quoted ? true : fail(error, "a child's name is written in quotes: " + w[1].text);
  }
  if (verb == "expect") return checkExpect(c, error);
  return fail(error, "unknown command " + verb);
}

}  // namespace scenarios

// The test build's hook (never in the published site): the draws come from
// a queue that a test fills, as the scenario command `random` does (in
// strict mode an empty queue makes the drawing handler fail), and
// scenario input commands run on the live session, so that a test in a
// real browser can put a screen into the state a scenario file sets; a test
// reads the program back through the runner's own reader of properties.
#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <stdexcept>

#include "input.h"
#include "lines.h"
#include "page.h"
#include "record/klass.h"
#include "shell/program.h"
#include "shell/random.h"
#include "shell/units.h"
#include "syntax.h"
#include "testing/probe.h"

namespace web {

namespace {

class QueuedMachine : public session::Machine {
 public:
  void reseed() override {}
  double next() override {
    if (queued.empty() && strict) throw std::runtime_error("random queue empty");
    if (queued.empty()) return random_.next();
    const double r = queued.front();
    queued.pop_front();
    return r;
  }
  void log(std::string_view message) override {
    EM_ASM({ console.error('aritmetica: ' + UTF8ToString($0)); }, std::string(message).c_str());
  }
  std::deque<double> queued;
  bool strict = false;  // an empty queue is a fault of the handler that draws

 private:
  shell::Random random_;
};

QueuedMachine& queued() {
  static QueuedMachine m;
  return m;
}

std::string runCommands(Page& page, double now, const std::string& lines) {
  size_t start = 0;
  for (int n = 1; start <= lines.size(); ++n) {
    size_t end = lines.find('\n', start);
    if (end == std::string::npos) end = lines.size();
    const std::string line = lines.substr(start, end - start);
    start = end + 1;
    scenarios::Command cmd{n, {}};
    std::string error;
    const std::string where = "line " + std::to_string(n) + ": ";
    if (!scenarios::splitLine(line, cmd.words, error)) return where + error;
    // Checks and case headings are left to the test that sends the lines.
    if (cmd.words.empty() || cmd.words[0].text == "case" || cmd.words[0].text == "expect" ||
        cmd.words[0].text == "snapshot")
      continue;
    if (!scenarios::checkCommand(cmd, error)) return where + error;
    if (!scenarios::isInput(cmd.words[0].text)) return where + "not an input command";
    try {
      scenarios::applyInput(*page.session, now, [](double r) { queued().queued.push_back(r); }, cmd.words);
    } catch (const scenarios::InputRefused& r) {
      return where + r.message;
    }
  }
  return "";
}

// "FormN.Control" gives "LEFT TOP WIDTH HEIGHT" in twips,
// "FormN.Control.Property" the property; "" for a control not on a loaded
// screen.
std::string query(Page& page, const std::string& word) {
  std::string error;
  const bool withProperty = std::count(word.begin(), word.end(), '.') == 2;
  auto ref = scenarios::controlRef(word, withProperty, error);
  if (!ref || !page.session || session::Probe(*page.session).program().ended()) return "";
  shell::Screen& s = session::Probe(*page.session).program().form(ref->screen);
  const shell::Control* c = s.loaded() ? s.find(ref->control) : nullptr;
  if (!c) return "";
  if (withProperty) return scenarios::property(*c, ref->property).value_or("");
  std::string out;
  for (const char* p : {"Left", "Top", "Width", "Height"}) out += (out.empty() ? "" : " ") + *scenarios::property(*c, p);
  return out;
}

// Where the window shows a control's centre, or a position "X Y" in twips
// of the screen shown: "X Y" in CSS pixels, "" for neither.
std::string where(Page& page, const std::string& word) {
  double x = 0, y = 0, w = 0, h = 0;
  if (std::sscanf(word.c_str(), "%lf %lf", &x, &y) != 2 &&
      std::sscanf(query(page, word).c_str(), "%lf %lf %lf %lf", &x, &y, &w, &h) != 4)
    return "";
  const draw::Rect r = page.fit().toWindow({(x + w / 2) / shell::kTwipsPerPixel, (y + h / 2) / shell::kTwipsPerPixel, 0, 0});
  return std::to_string(r.x) + " " + std::to_string(r.y);
}

// The teacher's work on the class record, till a test can do it on the
// teacher's screen: "on", "off", "add NAME", "choose NAME" (who plays),
// "rename FROM TO", "remove NAME", "erase", "export", "import"; "rows" answers the count of rows the program holds,
// "children" their names and "troubles" what the teacher reads, a line each.
std::string classCommand(Page& page, const std::string& command) {
  auto* k = dynamic_cast<record::Class*>(session::Probe(page.ensure()).program().extension());
  if (!k) return "no class record";
  const auto space = command.find(' ');
  const std::string verb = command.substr(0, space), name = space == std::string::npos ? "" : command.substr(space + 1);
  std::string out;
  if (verb == "on" || verb == "off") k->turn(verb == "on");
  else if (verb == "add") k->addChild(name, k->book().freePicture().value_or(0));
  else if (verb == "choose") k->choose(name);
  else if (verb == "rename") k->renameChild(name.substr(0, name.find(' ')), name.substr(name.find(' ') + 1));
  else if (verb == "remove") k->removeChild(name);
  else if (verb == "import") k->askImport();
  else if (verb == "erase") k->eraseAll();
  else if (verb == "export") k->exportCsv();
  else if (verb == "rows") out = std::to_string(k->book().rows().size());
  else if (verb == "children")
    for (const record::Child& c : k->book().children()) out += c.name + '\n';
  else if (verb == "troubles")
    for (const std::string& t : k->troubles()) out += t + '\n';
  else out = "no such command: " + verb;
  return out;
}

}  // namespace

session::Machine& machine() { return queued(); }

}  // namespace web

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* aritmetica_run(const char* lines, double now) {
  static std::string error;
  error = web::runCommands(web::page(), now, lines);
  return error.c_str();
}

// The lines of text of the picture shown, as the desktop's caption-lines
// prints them.
EMSCRIPTEN_KEEPALIVE const char* aritmetica_lines() {
  static std::string lines;
  web::Page& p = web::page();
  const session::Window* shown = p.session ? p.session->frame().active() : nullptr;
  lines = shown ? scenarios::textLines(shown->drawing) : "[]";
  return lines.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_class(const char* command) {
  static std::string answer;
  answer = web::classCommand(web::page(), command);
  return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE void aritmetica_strict(int on) { web::queued().strict = on != 0; }

EMSCRIPTEN_KEEPALIVE const char* aritmetica_query(const char* word) {
  static std::string answer;
  answer = web::query(web::page(), word);
  return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_where(const char* word) {
  static std::string answer;
  answer = web::where(web::page(), word);
  return answer.c_str();
}

}  // extern "C"

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "input.h"
#include "scenario.h"
#include "draw/face_measure.h"
#include "record/klass.h"
#include "session/session.h"
#include "shell/program.h"
#include "snapshot.h"
#include "testing/probe.h"
#include "syntax.h"

namespace scenarios {

namespace {

using shell::Control;

struct CaseFailed {
  std::string message;
};

std::string quote(const std::string& s) { return "\"" + s + "\""; }

// The local time at the session's time 0 when a case opens the class
// record: 2026-12-08 09:00:00.000.
constexpr double kClassEpochMs = 1796720400000.0;
// While the record is open, each input comes a second after the last, as a
// child's would: every question is drawn at a time of its own, and a row's
// ms counts the inputs since the drawing.
constexpr double kClassStepMs = 1000;

std::string show(double v) {
  std::ostringstream o;
  o << v;
  return o.str();
}

// The machine of a case: the draws come from the case's queue, reseeds
// are counted, and a handler's failure is kept for the case to report.
struct QueuedMachine : session::Machine {
  void reseed() override { ++reseeds; }
  double next() override {
    if (randoms.empty()) throw std::runtime_error("random queue empty");
    const double r = randoms.front();
    randoms.pop_front();
    return r;
  }
  void log(std::string_view message) override {
    if (failure.empty()) failure = message;
  }
  std::deque<double> randoms;
  int reseeds = 0;
  std::string failure;
};

class CaseRun {
 public:
  CaseRun(const std::string& file, const std::string& outDir, std::string& out)
      : file_(file), outDir_(outDir), out_(out), session_(machine_, measure_) {
    session_.start(probe_.idleAt());
    take();
  }

  // Runs the case; returns whether every check passed.
  bool run(const Case& c) {
    for (const Command& cmd : c.commands) {
      line_ = cmd.line;
      try {
        execute(cmd.words);
      } catch (const CaseFailed& f) {
        report(f.message);
        return false;
      } catch (const InputRefused& r) {
        report(r.message);
        return false;
      } catch (const std::exception& e) {
        report(std::string("the program failed: ") + e.what());
        return false;
      }
    }
    return ok_;
  }

 private:
  void report(const std::string& message) {
    out_ += file_ + ":" + std::to_string(line_) + ": " + message + "\n";
    ok_ = false;
  }
  void check(bool passed, const std::string& expected, const std::string& found) {
    if (!passed) report("expected " + expected + ", found " + found);
  }

  shell::Screen& loadedScreen(int n) { return scenarios::loadedScreen(program_, n); }

  // Counts what the input produced: chimes, pauses, phrases.
  void take() {
    for (session::Step& step : probe_.takeAll()) {
      if (std::holds_alternative<session::Chime>(step)) {
        ++beeps_;
      } else if (const auto* pause = std::get_if<session::Pause>(&step)) {
        ++sleeps_;
        sleptMs_ += pause->milliseconds;
      } else if (auto* say = std::get_if<session::Say>(&step)) {
        said_.push_back(std::move(say->text));
      }
    }
    for (record::Change& c : session_.takeChanges())
      if (c.kind == record::Change::Kind::Row) rows_.push_back(std::move(c.row));
    if (machine_.failure.empty()) return;
    const std::string failure = std::exchange(machine_.failure, "");
    throw CaseFailed{failure == "random queue empty" ? failure : "the program failed: " + failure};
  }

  void execute(const std::vector<Word>& w) {
    const std::string& verb = w[0].text;
    if (isInput(verb)) {
      try {
        double now = probe_.idleAt();
        if (session_.classOn()) now = std::max(now, clock_ + kClassStepMs);
        clock_ = now + (verb == "rest" || verb == "hold" ? kStillMs : 0);
        applyInput(session_, now, [this](double r) { machine_.randoms.push_back(r); }, w);
      } catch (...) {
        take();
        throw;
      }
      take();
    } else if (verb == "snapshot") {
      shell::Screen* s = program_.active();
      if (!s) throw CaseFailed{"no active screen to snapshot"};
      std::string error;
      const std::string path = (outDir_.empty() ? std::string(".") : outDir_) + "/" + w[1].text + ".png";
      if (!writeSnapshot(program_, *s, path, error)) throw CaseFailed{"snapshot: " + error};
    } else if (verb == "classe") {
      openClass(w);
    } else if (verb == "child") {
      choose(w[1].text);
    } else if (verb == "expect") {
      expect(w);
    }
  }

  // The class record in memory, children with the portraits 0, 1, ... in
  // order, and maybe one of them chosen.
  void openClass(const std::vector<Word>& w) {
    record::Book book;
    size_t i = 1;
    for (; i < w.size() && w[i].quoted; ++i) book.add(record::Child{w[i].text, static_cast<int>(i - 1)});
    session_.openClass(std::move(book), kClassEpochMs);
    if (i + 1 < w.size()) choose(w[i + 1].text);
  }

  void choose(const std::string& name) {
    record::Class& klass = probe_.klass();
    if (!klass.on() || !klass.book().child(name)) throw CaseFailed{"no child " + quote(name) + " in the class"};
    klass.choose(name);
  }

  void expectRow(const std::vector<Word>& w) {
    const size_t i = static_cast<size_t>(*index(w[2].text));
    const std::string& field = w[3].text;
    const std::string& want = w[4].text;
    if (i > rows_.size()) {
      check(false, "row " + w[2].text + " " + field + " " + w[4].text, std::to_string(rows_.size()) + " rows");
      return;
    }
    const record::Row& r = rows_[i - 1];
    auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    const std::string found = field == "child"   ? r.child
                              : field == "menu"  ? r.menu
                              : field == "shown" ? r.shown
                              : field == "given" ? r.given
                              : field == "screen" ? std::to_string(r.screen)
                              : field == "attempt" ? std::to_string(r.attempt)
                              : field == "ms"      ? std::to_string(r.ms)
                              : field == "right"   ? flag(r.right)
                                                   : flag(r.firstRight);
    const bool text = field == "child" || field == "menu" || field == "shown" || field == "given";
    check(found == want, "row " + w[2].text + " " + field + " " + (text ? quote(want) : want),
          text ? quote(found) : found);
  }

  void expect(const std::vector<Word>& w) {
    const std::string& what = w[1].text;
    if (what == "loaded") {
      std::vector<int> want, have;
      for (size_t i = 2; i < w.size(); ++i) want.push_back(*screenNumber(w[i].text));
      for (auto* s : program_.loaded()) have.push_back(s->number());
      std::sort(want.begin(), want.end());
      want.erase(std::unique(want.begin(), want.end()), want.end());
      std::sort(have.begin(), have.end());
      check(want == have, "loaded " + names(want), "loaded " + names(have));
    } else if (what == "active") {
      auto* s = program_.active();
      check(s && s->name() == w[2].text, "active " + w[2].text, s ? "active " + s->name() : "no screen");
    } else if (what == "focus") {
      std::string found = "none";
      if (Control* c = program_.focus()) found = program_.active()->name() + "." + c->name;
      check(found == w[2].text, "focus " + w[2].text, "focus " + found);
    } else if (what == "beeps") {
      check(beeps_ == *number(w[2].text), w[2].text + " beeps", std::to_string(beeps_));
      beeps_ = 0;
    } else if (what == "reseeds") {
      check(machine_.reseeds == *number(w[2].text), w[2].text + " reseeds", std::to_string(machine_.reseeds));
      machine_.reseeds = 0;
    } else if (what == "sleeps") {
      check(sleeps_ == *number(w[2].text) && sleptMs_ == *number(w[3].text),
            w[2].text + " sleeps of " + w[3].text + " ms",
            std::to_string(sleeps_) + " sleeps of " + std::to_string(sleptMs_) + " ms");
      sleeps_ = 0;
      sleptMs_ = 0;
    } else if (what == "said") {
      std::vector<std::string> want;
      for (size_t i = 2; i < w.size(); ++i) want.push_back(w[i].text);
      check(want == said_, "said " + phrases(want), "said " + phrases(said_));
      said_.clear();
    } else if (what == "rows") {
      std::string found = std::to_string(rows_.size()) + " rows";
      for (const record::Row& r : rows_)
        found += "\n  " + r.child + " Form" + std::to_string(r.screen) + " shown " + quote(r.shown) + " attempt " +
                 std::to_string(r.attempt) + " given " + quote(r.given) + (r.right ? " right" : " wrong") +
                 (r.firstRight ? " firstRight" : "");
      check(rows_.size() == *number(w[2].text), w[2].text + " rows", found);
    } else if (what == "row") {
      expectRow(w);
    } else if (what == "ended") {
      check(program_.ended(), "the program ended", "it is running");
    } else if (what.find('.') == what.rfind('.') && what.substr(what.find('.') + 1) == "boxes") {
      auto& s = loadedScreen(screenOf(what));
      check(s.boxes().size() == *number(w[2].text), w[2].text + " boxes", std::to_string(s.boxes().size()));
    } else if (what.find('.') == what.rfind('.') && what.substr(what.find('.') + 1) == "box") {
      auto& s = loadedScreen(screenOf(what));
      const size_t i = static_cast<size_t>(*index(w[2].text));
      std::string want;
      for (size_t k = 3; k < 9; ++k) want += (k > 3 ? " " : "") + w[k].text;
      if (i > s.boxes().size()) {
        check(false, "box " + w[2].text + " " + want, std::to_string(s.boxes().size()) + " boxes");
        return;
      }
      const shell::Box& b = s.boxes()[i - 1];
      const bool same = b.left == *number(w[3].text) && b.top == *number(w[4].text) &&
                        b.width == *number(w[5].text) && b.height == *number(w[6].text) &&
                        b.colour == *number(w[7].text) && b.solid == (w[8].text == "solid");
      check(same, "box " + w[2].text + " " + want,
            show(b.left) + " " + show(b.top) + " " + show(b.width) + " " + show(b.height) + " " +
                show(b.colour) + (b.solid ? " solid" : " outline"));
    } else {
      std::string error;
      auto ref = controlRef(what, true, error);
      Control& c = loadedScreen(ref->screen)(ref->control);
      expectProperty(what, c, ref->property, w[2].text);
    }
  }

  void expectProperty(const std::string& what, const Control& c, const std::string& p,
                      const std::string& value) {
    const std::string found = *property(c, p);
    const bool isText = p == "Caption" || p == "Text" || p == "ToolTipText";
    const bool isFlag = p == "Visible" || p == "Enabled" || p == "Locked";
    if (isText)
      check(found == value, what + " " + quote(value), quote(found));
    else if (isFlag)
      check(found == value, what + " " + value, found);
    else
      check(*number(found) == *number(value), what + " " + value, found);
  }

  static std::string phrases(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& p : v) s += " " + quote(p);
    return v.empty() ? "nothing" : s.substr(1);
  }

  static std::string names(const std::vector<int>& v) {
    std::string s;
    for (int n : v) s += " Form" + std::to_string(n);
    return v.empty() ? "(none)" : s.substr(1);
  }

  const std::string& file_;
  const std::string& outDir_;
  std::string& out_;
  QueuedMachine machine_;
  const draw::FaceMeasure measure_;
  session::Session session_;
  session::Probe probe_{session_};
  shell::Program& program_ = probe_.program();
  int beeps_ = 0, sleeps_ = 0;
  long long sleptMs_ = 0;
  std::vector<std::string> said_;
  std::vector<record::Row> rows_;  // kept since the case started
  double clock_ = 0;               // the time of the last input
  int line_ = 0;
  bool ok_ = true;
};

}  // namespace

Outcome runFile(const std::string& fileName, const std::string& text, const std::string& outDir,
                std::string& out) {
  Outcome outcome;
  Script script = parse(text);
  if (!script.errors.empty()) {
    std::sort(script.errors.begin(), script.errors.end(),
              [](const ParseError& a, const ParseError& b) { return a.line < b.line; });
    for (const ParseError& e : script.errors)
      out += fileName + ":" + std::to_string(e.line) + ": " + e.message + "\n";
    outcome.failed = std::max<int>(1, static_cast<int>(script.cases.size()));
    return outcome;
  }
  if (script.cases.empty()) {
    out += fileName + ":1: no case in this file\n";
    outcome.failed = 1;
    return outcome;
  }
  for (const Case& c : script.cases) {
    CaseRun run(fileName, outDir, out);
    if (run.run(c))
      ++outcome.passed;
    else
      ++outcome.failed;
  }
  return outcome;
}

}  // namespace scenarios

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

#include "input.h"
#include "scenario.h"
#include "shell/fake_platform.h"
#include "shell/program.h"
#include "snapshot.h"
#include "syntax.h"

namespace scenarios {

namespace {

using shell::Control;

struct CaseFailed {
  std::string message;
};

std::string quote(const std::string& s) { return "\"" + s + "\""; }

std::string show(double v) {
  std::ostringstream o;
  o << v;
  return o.str();
}

class CaseRun {
 public:
  CaseRun(const std::string& file, const std::string& outDir, std::string& out)
      : file_(file), outDir_(outDir), out_(out), program_(platform_) {
    program_.start();
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
      } catch (const shell::RandomQueueEmpty&) {
        report("random queue empty");
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

  void execute(const std::vector<Word>& w) {
    const std::string& verb = w[0].text;
    if (isInput(verb)) {
      applyInput(program_, [this](double r) { platform_.queue(r); }, w);
    } else if (verb == "snapshot") {
      shell::Screen* s = program_.active();
      if (!s) throw CaseFailed{"no active screen to snapshot"};
      std::string error;
      const std::string path = (outDir_.empty() ? std::string(".") : outDir_) + "/" + w[1].text + ".png";
      if (!writeSnapshot(program_, *s, path, error)) throw CaseFailed{"snapshot: " + error};
    } else if (verb == "expect") {
      expect(w);
    }
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
      check(platform_.beeps == *number(w[2].text), w[2].text + " beeps", std::to_string(platform_.beeps));
      platform_.beeps = 0;
    } else if (what == "reseeds") {
      check(platform_.reseeds == *number(w[2].text), w[2].text + " reseeds", std::to_string(platform_.reseeds));
      platform_.reseeds = 0;
    } else if (what == "sleeps") {
      check(platform_.sleeps == *number(w[2].text) && platform_.sleptMs == *number(w[3].text),
            w[2].text + " sleeps of " + w[3].text + " ms",
            std::to_string(platform_.sleeps) + " sleeps of " + std::to_string(platform_.sleptMs) + " ms");
      platform_.sleeps = 0;
      platform_.sleptMs = 0;
    } else if (what == "ended") {
      check(program_.ended(), "the program ended", "it is running");
    } else if (what.find('.') == what.rfind('.') && what.substr(what.find('.') + 1) == "boxes") {
      auto& s = loadedScreen(screenOf(what));
      check(s.boxes().size() == *number(w[2].text), w[2].text + " boxes", std::to_string(s.boxes().size()));
    } else if (what.find('.') == what.rfind('.') && what.substr(what.find('.') + 1) == "box") {
      auto& s = loadedScreen(screenOf(what));
      const size_t i = static_cast<size_t>(*number(w[2].text));
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
    auto text = [&](const std::string& v) { check(v == value, what + " " + quote(value), quote(v)); };
    auto flag = [&](bool v) {
      check(v == (value == "true"), what + " " + value, v ? "true" : "false");
    };
    auto num = [&](double v) { check(v == *number(value), what + " " + value, show(v)); };
    if (p == "Caption") text(c.caption);
    else if (p == "Text") text(c.text);
    else if (p == "ToolTipText") text(c.toolTip);
    else if (p == "Visible") flag(c.visible);
    else if (p == "Enabled") flag(c.enabled);
    else if (p == "Locked") flag(c.locked);
    else if (p == "ForeColor") num(c.foreColor);
    else if (p == "BackColor") num(c.backColor);
    else if (p == "BorderColor") num(c.borderColor);
    else if (p == "FillColor") num(c.fillColor);
    else if (p == "Left") num(c.left);
    else if (p == "Top") num(c.top);
    else if (p == "Width") num(c.kind == shell::Kind::Line ? c.x2 - c.left : c.width);
    else if (p == "Height") num(c.kind == shell::Kind::Line ? c.y2 - c.top : c.height);
    else if (p == "TabIndex") num(c.tabIndex);
  }

  static std::string names(const std::vector<int>& v) {
    std::string s;
    for (int n : v) s += " Form" + std::to_string(n);
    return v.empty() ? "(none)" : s.substr(1);
  }

  const std::string& file_;
  const std::string& outDir_;
  std::string& out_;
  shell::FakePlatform platform_;
  shell::Program program_;
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

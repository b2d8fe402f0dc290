// The soak: a child at the keyboard and the mouse for a long time. Drives the
// real screens through the fake platform with random input (clicks and
// presses anywhere on the active screen with any button, digits, keypad,
// letters, Backspace, Tab, Shift, Enter, drags, close boxes, return labels,
// jumps straight into any registered screen) and checks after every event
// that the program is still sound. Prints what it did, or the first
// violation with the seed and the event number to replay it.
//
//   soak [--seed N] [--events N] [--verbose]
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "frame/exercise.h"
#include "testing/fake_platform.h"
#include "shell/program.h"
#include "soak_rules.h"

using shell::Button;
using shell::Control;
using shell::Kind;
using shell::Program;
using shell::Screen;

namespace {

struct Options {
  unsigned seed = 1;
  long events = 10000;
  bool verbose = false;
};

struct Violation {
  std::string what;
};

class Soak {
 public:
  explicit Soak(const Options& o) : o_(o), rng_(o.seed) {
    platform_.fallBackTo(o.seed);
    for (int n = 1; n <= shell::kScreenCount; ++n) registered_.push_back(n);
    restart();
  }

  int run() {
    for (event_ = 1; event_ <= o_.events; ++event_) {
      try {
        step();
        check();
      } catch (const Violation& v) {
        return report(v.what);
      } catch (const std::exception& e) {
        return report(std::string("exception: ") + e.what());
      } catch (...) {
        return report("unknown exception");
      }
    }
    return summary();
  }

 private:
  // --- events ---
  void step() {
    if (program_->ended()) {
      log("program ended: start again");
      ++restarts_;
      restart();
    }
    Screen* s = program_->active();
    if (!s) throw Violation{"no active screen, yet the program has not ended"};
    entered_.insert(s->number());
    if (--phaseLeft_ <= 0) {
      diligent_ = pick(3) == 0;
      phaseLeft_ = diligent_ ? 1000 + pick(4000) : 200 + pick(800);
      log(diligent_ ? "a diligent child: stays on the screen" : "a playful child");
    }
    const int roll = pick(1000);
    if (diligent_) {
      if (roll < 300) clickSomethingThatAnswers(*s);
      else if (roll < 350) drag(*s);
      else keyOrTab();
      return;
    }
    if (roll < 5) jump();
    else if (roll < 8) closeBox(*s);
    else if (roll < 20) returnLabel(*s);
    else if (roll < 80) drag(*s);
    else if (roll < 480) click(*s);
    else keyOrTab();
  }

  // Phases of diligence let the counters run long: clicks only on what
  // has a Click handler, never on a return label or the exit.
  void clickSomethingThatAnswers(Screen& s) {
    std::vector<const Control*> targets;
    for (const Control& c : s.controls())
      if (s.hasClick(c) && !soak::isReturnLabel(c) && !soak::isExit(c)) targets.push_back(&c);
    if (targets.empty()) return click(s);
    const Control& c = *targets[pick(static_cast<int>(targets.size()))];
    const double x = c.left + real() * c.width, y = c.top + real() * c.height;
    press(s, Button::Left, x, y, x, y);
  }

  void restart() {
    program_.reset();  // the old program's screens go before the new one's
    program_ = std::make_unique<Program>(platform_);
    program_->start();
  }

  // Straight into the next registered screen, round the list: every screen
  // gets its turn however the menus are wired.
  void jump() {
    if (registered_.empty()) return;
    const int n = registered_[jumps_++ % registered_.size()];
    log("showOnly Form" + std::to_string(n));
    program_->showOnly(n);
  }

  void closeBox(Screen& active) {
    auto loaded = program_->loaded();
    Screen* s = pick(4) == 0 ? loaded[pick(static_cast<int>(loaded.size()))] : &active;
    log("close " + s->name());
    program_->close(s->number());
  }

  void returnLabel(Screen& s) {
    std::vector<const Control*> labels;
    for (const Control& c : s.controls())
      if (soak::isReturnLabel(c)) labels.push_back(&c);
    if (labels.empty()) return click(s);
    const Control& c = *labels[pick(static_cast<int>(labels.size()))];
    press(s, Button::Left, c.centreX(), c.centreY(), c.centreX(), c.centreY());
  }

  // A point on a control (most often) or anywhere on the client area.
  std::pair<double, double> point(Screen& s) {
    const auto& cs = s.controls();
    if (!cs.empty() && pick(10) < 7) {
      const Control& c = cs[pick(static_cast<int>(cs.size()))];
      if ((diligent_ || pick(20) != 0) && (soak::isExit(c) || soak::isReturnLabel(c)))
        return anywhere(s);  // not too many Ends and returns
      return {c.left + real() * c.width, c.top + real() * c.height};
    }
    return anywhere(s);
  }
  std::pair<double, double> anywhere(Screen& s) {
    return {real() * shell::kClientWidth, real() * s.height()};
  }

  Button button() {
    const int r = pick(10);
    return r < 8 ? Button::Left : r == 8 ? Button::Right : Button::Middle;
  }

  void click(Screen& s) {
    auto [x, y] = point(s);
    press(s, button(), x, y, x, y);
  }

  // Mostly a picture picked up and let go over a label, as the bead and rod
  // screens want; sometimes a press that wanders off and up elsewhere.
  void drag(Screen& s) {
    auto [x, y] = point(s);
    std::vector<const Control*> images, labels;
    for (const Control& c : s.controls()) {
      if (c.kind == Kind::Image && c.visible) images.push_back(&c);
      if (c.kind == Kind::Label && c.visible && !soak::isExit(c)) labels.push_back(&c);
    }
    if (!images.empty() && pick(4) != 0) {
      const Control& c = *images[pick(static_cast<int>(images.size()))];
      x = c.left + real() * c.width;
      y = c.top + real() * c.height;
    }
    auto [tx, ty] = anywhere(s);
    if (!labels.empty() && pick(3) != 0) {
      const Control& c = *labels[pick(static_cast<int>(labels.size()))];
      tx = c.left + real() * c.width;
      ty = c.top + real() * c.height;
    }
    press(s, pick(6) == 0 ? button() : Button::Left, x, y, tx, ty);
  }

  void press(Screen& s, Button b, double x, double y, double ux, double uy) {
    const int n = s.number();
    std::ostringstream what;
    what << "press " << s.name() << " button " << static_cast<int>(b) << " at " << x << "," << y;
    if (ux != x || uy != y) what << " up at " << ux << "," << uy;
    log(what.str());
    const int shift = pick(8) == 0 ? 1 : 0;
    program_->mouseDown(n, b, x, y, shift);
    if (ux != x || uy != y) {
      for (int i = 1; i <= 3; ++i) program_->mouseMove(n, x + (ux - x) * i / 3, y + (uy - y) * i / 3);
      check();  // whatever the press did must hold while the button is down
    }
    program_->mouseUp(n, b, ux, uy, shift);
  }

  void keyOrTab() {
    const soak::Key k = soak::randomKey(pick(1000), pick(1000));
    log("key " + soak::describe(k));
    if (k.key.name == session::KeyName::Tab) {
      program_->tab();
      return;
    }
    const session::KeyCodes c = *session::keyCodes(k.key);  // every key the soak presses reaches the screens
    program_->key(c.character, c.keyCode, k.shift);
  }

  // --- invariants ---
  void check() {
    std::vector<int> loaded;
    for (Screen* s : program_->loaded()) loaded.push_back(s->number());
    if (auto bad = soak::illegalSet(loaded)) throw Violation{*bad};
    if (loaded.empty() && !program_->ended()) throw Violation{"no screen loaded, yet not ended"};
    for (Screen* s : program_->loaded()) {
      if (Control* f = s->focus()) {
        auto& cs = s->controls();
        if (f < cs.data() || f >= cs.data() + cs.size())
          throw Violation{s->name() + ": the focus is not one of its controls"};
      }
      for (const Control& c : s->controls())
        if (auto bad = soak::badNumber(c)) throw Violation{s->name() + "." + c.name + ": " + *bad};
    }
    for (int n : registered_) {
      auto* e = dynamic_cast<frame::Exercise*>(&program_->form(n));
      if (!e) continue;
      if (auto bad = soak::badScore(e->score)) throw Violation{e->name() + ": " + *bad};
      questions_[n] = std::max<int>(questions_[n], e->score.questions);
    }
  }

  // --- output ---
  void log(std::string line) {
    line = "#" + std::to_string(event_) + " " + line;
    if (o_.verbose) std::printf("%s\n", line.c_str());
    recent_.push_back(std::move(line));
    if (recent_.size() > 25) recent_.pop_front();
  }

  int report(const std::string& what) {
    std::printf("soak: the last events before the violation:\n");
    for (const std::string& line : recent_) std::printf("  %s\n", line.c_str());
    std::printf("soak: VIOLATION at event %ld (seed %u): %s\n", event_, o_.seed, what.c_str());
    std::printf("soak: replay with: soak --seed %u --events %ld --verbose\n", o_.seed, event_);
    return 1;
  }

  int summary() {
    std::printf("soak: seed %u, %ld events, %d restarts, %d jumps, %d beeps\n", o_.seed, o_.events,
                restarts_, jumps_, platform_.beeps);
    std::string missing;
    for (int n : registered_)
      if (!entered_.count(n)) missing += " Form" + std::to_string(n);
    std::printf("soak: entered %zu of %zu registered screens%s%s\n", entered_.size(),
                registered_.size(), missing.empty() ? "" : "; never entered:", missing.c_str());
    int most = 0;
    for (auto& [n, q] : questions_) most = std::max(most, q);
    std::printf("soak: most questions seen on one exercise screen: %d\n", most);
    // Jumps go round the list, so a long soak that misses a screen means the
    // screen cannot be shown.
    if (!missing.empty() && o_.events >= 200L * static_cast<long>(registered_.size())) {
      std::printf("soak: VIOLATION (seed %u): screens never entered\n", o_.seed);
      return 1;
    }
    std::printf("soak: no violation\n");
    return 0;
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  double real() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

  Options o_;
  std::mt19937 rng_;
  shell::FakePlatform platform_;
  std::unique_ptr<Program> program_;
  std::vector<int> registered_;
  std::set<int> entered_;
  std::map<int, int> questions_;
  std::deque<std::string> recent_;
  long event_ = 0;
  int restarts_ = 0, jumps_ = 0;
  bool diligent_ = false;
  int phaseLeft_ = 0;
};

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--verbose") { o.verbose = true; continue; }
    if (i + 1 >= argc) return false;
    char* end = nullptr;
    const unsigned long v = std::strtoul(argv[++i], &end, 10);
    if (*end != '\0') return false;
    if (a == "--seed") o.seed = static_cast<unsigned>(v);
    else if (a == "--events") o.events = static_cast<long>(v);
    else return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parseArgs(argc, argv, o)) {
    std::fprintf(stderr, "usage: soak [--seed N] [--events N] [--verbose]\n");
    return 2;
  }
  return Soak(o).run();
}

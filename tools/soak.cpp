// The soak: a child at the keys, mouse and touch screen for a long time. It
// catches a handler that throws, a number label out of range, screens loaded
// together that no road leads to, a frame other than the screens loaded, steps
// out of order, input held too long, anything after the end, and no restart.
//
//   soak [--seed N] [--events N] [--verbose]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "draw/face_measure.h"
#include "frame/exercise.h"
#include "session/session.h"
#include "shell/program.h"
#include "testing/probe.h"

using session::PointerInput;
using shell::Button;
using shell::Control;
using shell::Screen;

namespace {

struct Violation {
  std::string what;
};

// The loaded screens, front to back: one, or the menu within 10 (Form2)
// with a screen reached from it through "Scrittura dei numeri in cifre"
// (Form9), whose main-menu label leads on to the title, the main menu, the
// menu within 20 and its exercises.
bool legalSet(const std::vector<int>& loaded) {
  if (loaded.size() <= 1) return true;
  if (loaded.size() > 2) return false;
  const int n = loaded[0] == 2 ? loaded[1] : loaded[1] == 2 ? loaded[0] : 0;
  return n == 9 || n == 1 || n == 5 || (n >= 24 && n <= 43);
}

// A label that shows a number shows 0 to 99, without sign or leading zero.
bool badNumber(const Control& c) {
  const std::string& t = c.caption;
  if (c.kind != shell::Kind::Label || t.empty()) return false;
  const size_t sign = t[0] == '-' ? 1 : 0;
  if (sign == t.size() || t.find_first_not_of("0123456789", sign) != std::string::npos) return false;
  return sign || (t.size() > 1 && t[0] == '0') || t.size() > 2;
}

// Questions 0 to 98; no more right answers than questions, give or take the
// 99th, which counts as question 0 yet may be answered right; tries 0 to 2.
bool goodScore(const frame::Score& s) {
  return s.questions >= 0 && s.questions < frame::kQuestionLimit && s.right >= 0 && s.right <= s.questions + 1 &&
         s.tries >= 0 && s.tries <= 2;
}

bool isReturnOrExit(const Control& c) {
  return c.toolTip == "ESCI" ||
         (c.kind == shell::Kind::Label && (c.caption.rfind("TORNA A ", 0) == 0 || c.caption.rfind("VAI A ", 0) == 0));
}

const char* const kKeyNames[] = {"Backspace", "Enter", "Escape", "Tab", "Delete", "Left", "Right", "Up", "Down",
                                 "Home", "End", "Shift", "Control", "Alt", "F11", "F2"};

std::string names(const std::vector<int>& v) {
  std::string s;
  for (int n : v) s += " Form" + std::to_string(n);
  return v.empty() ? " none" : s;
}

class Soak : public session::Machine {
 public:
  Soak(unsigned seed, long events, bool verbose)
      : seed_(seed), events_(events), verbose_(verbose), rng_(seed), session_(*this, measure_), probe_(session_) {}

  int run() {
    const auto began = std::chrono::steady_clock::now();
    session_.start(now_);
    for (event_ = 1; event_ <= events_; ++event_) {
      try {
        step();
        tick();
        check();
      } catch (const Violation& v) {
        std::printf("soak: VIOLATION at event %ld (seed %u): %s\n", event_, seed_, v.what.c_str());
        std::printf("soak: replay with: soak --seed %u --events %ld --verbose\n", seed_, event_);
        return 1;
      }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::string missing;
    for (int n = 1; n <= shell::kScreenCount; ++n)
      if (!entered_.count(n)) missing += " Form" + std::to_string(n);
    std::printf("soak: seed %u, %ld events in %.1f s, %d restarts, %d jumps, most questions on one screen %d\n",
                seed_, events_, seconds, restarts_, jumps_, mostQuestions_);
    // Jumps go round every screen: one never entered after all had their jump could not be shown.
    if (!missing.empty() && jumps_ >= shell::kScreenCount) {
      std::printf("soak: VIOLATION (seed %u): screens never entered:%s\n", seed_, missing.c_str());
      return 1;
    }
    std::printf("soak: no violation\n");
    return 0;
  }

  void reseed() override {}
  double next() override { return real(); }
  void log(std::string_view message) override { failure_ = std::string(message); }

 private:
  shell::Program& program() { return probe_.program(); }
  int activeNumber() { return !program().ended() && program().active() ? program().active()->number() : 0; }

  // --- input ---
  void step() {
    started_ = false;
    if (program().ended() && ++endedFor_ > 3) {  // a few inputs into the ended program first
      note("start again");
      ++restarts_;
      endedFor_ = 0;
      afterEnd_ = false;
      started_ = true;
      session_.start(now_);
      return;
    }
    if (activeNumber()) entered_.insert(activeNumber());
    // A diligent child stays on a screen long enough for the counters to run out.
    if (--phaseLeft_ <= 0) {
      diligent_ = pick(3) == 0;
      phaseLeft_ = diligent_ ? 1000 + pick(4000) : 200 + pick(800);
    }
    const int roll = pick(1000);
    if (diligent_) {
      roll < 300 ? click() : key();
    } else if (roll < 4) {  // straight into the next screen, round the list
      const int n = 1 + jumps_++ % shell::kScreenCount;
      note("show Form" + std::to_string(n));
      probe_.showOnly(n, now_);
    } else if (roll < 7) {
      const int n = pick(3) == 0 ? pick(46) - 1 : activeNumber();
      note("close Form" + std::to_string(n));
      session_.close(n, now_);
    } else if (roll < 10) {  // as the scenario runner does: every step at once
      note("take every step");
      probe_.takeAll();
      if (probe_.busy(now_)) throw Violation{"steps taken at once still to play"};
    } else if (roll < 200) {
      click();
    } else if (roll < 550) {
      pointer();
    } else {
      key();
    }
  }

  // A point on a control of the active screen, most often, or anywhere.
  std::pair<double, double> point(bool answersOnly) {
    const Screen* s = activeNumber() ? program().active() : nullptr;
    if (s && pick(10) < 8) {
      std::vector<const Control*> cs;
      for (const Control& c : s->controls())
        if (!isReturnOrExit(c) || (!diligent_ && pick(40) == 0))
          if (!answersOnly || s->hasClick(c)) cs.push_back(&c);
      if (!cs.empty()) {
        const Control& c = *cs[pick(int(cs.size()))];
        return {c.left + real() * c.width, c.top + real() * c.height};
      }
    }
    return {real() * 13000 - 500, real() * 10000 - 500};
  }

  // A click on something that answers, with the mouse or a finger.
  void click() {
    PointerInput p;
    p.screen = pick(2) ? 0 : activeNumber();
    std::tie(p.x, p.y) = point(true);
    p.device = pick(4) == 0 ? session::Device::Touch : session::Device::Mouse;
    note("click Form" + std::to_string(p.screen) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
    session_.pointer(p, now_);
    p.kind = PointerInput::Kind::Release;
    session_.pointer(p, now_);
  }

  void pointer() {
    PointerInput p;
    const int kind = pick(10), b = pick(10);
    p.kind = kind < 3 ? PointerInput::Kind::Press : kind < 6 ? PointerInput::Kind::Move
             : kind < 9 ? PointerInput::Kind::Release : PointerInput::Kind::Cancel;
    p.button = b < 8 ? Button::Left : b == 8 ? Button::Right : Button::Middle;
    p.screen = pick(10) < 7 ? activeNumber() : pick(46) - 1;
    std::tie(p.x, p.y) = point(false);
    p.onBoard = pick(20) != 0;
    p.shift = pick(8) == 0 ? session::kShift : 0;
    p.device = pick(3) == 0 ? session::Device::Touch : session::Device::Mouse;
    note("pointer " + std::to_string(int(p.kind)) + " button " + std::to_string(int(p.button)) + " Form" +
         std::to_string(p.screen) + (p.device == session::Device::Touch ? " finger" : ""));
    session_.pointer(p, now_);
  }

  void key() {
    session::Key k;
    const int kind = pick(100);
    if (kind < 35) k.character = '0' + pick(10);
    else if (kind < 45) k = {session::KeyName::Character, unsigned('0' + pick(10)), true};
    else if (kind < 70) k.character = pick(50) == 0 ? 0x20AC : pick(256);
    else if (kind < 80) k.name = session::KeyName::Backspace;
    else k.name = *session::keyNamed(kKeyNames[pick(std::size(kKeyNames))]);
    note("key " + std::to_string(int(k.name)) + " char " + std::to_string(k.character) + (k.keypad ? " keypad" : ""));
    session_.key(k, pick(8) == 0 ? session::kShift : 0, now_);
  }

  // The clock moves on, and the session is brought to it.
  void tick() {
    static const double steps[] = {0, 1, 16, 16, 16, session::kLongPressMs + 1, -3};
    now_ += steps[pick(std::size(steps))];
    const session::Frame* due = session_.advance(now_);
    if (!due) return;
    for (const session::Sound& s : due->sounds) {
      if (std::holds_alternative<session::Say>(s) && !session_.voice()) throw Violation{"a phrase with the voice off"};
      if (afterEnd_ && !std::holds_alternative<session::Hush>(s)) throw Violation{"a sound after the program ended"};
    }
    if (afterEnd_ && !due->ended) throw Violation{"a picture of the screens after the program ended"};
    afterEnd_ = afterEnd_ || due->ended;
  }

  // --- invariants ---
  void check() {
    if (!failure_.empty()) throw Violation{"a handler failed: " + failure_};
    double last = -1e300;
    for (const session::Probe::Pending& p : probe_.pending()) {
      if (p.at < last) throw Violation{"steps out of time order"};
      last = p.at;
    }
    if (probe_.holding() && !probe_.playing(now_)) throw Violation{"input held though the steps before it have played"};
    if (started_ && !probe_.holding() && program().ended()) throw Violation{"started again, yet still ended"};
    const std::vector<int> loaded = loadedNow();
    checkFrame(loaded);
    if (program().ended()) return;
    if (loaded.empty()) throw Violation{"no screen loaded, yet not ended"};
    if (!legalSet(loaded)) throw Violation{"illegal set of loaded screens:" + names(loaded)};
    for (Screen* s : program().loaded()) {
      const auto& cs = s->controls();
      if (const Control* f = s->focus(); f && (f < cs.data() || f >= cs.data() + cs.size()))
        throw Violation{s->name() + ": focus not on its controls"};
      for (const Control& c : cs)
        if (badNumber(c)) throw Violation{s->name() + "." + c.name + " shows \"" + c.caption + "\""};
    }
    for (int n = 1; n <= shell::kScreenCount; ++n)
      if (auto* e = dynamic_cast<frame::Exercise*>(&program().form(n))) {
        if (!goodScore(e->score)) throw Violation{e->name() + ": counters out of range"};
        mostQuestions_ = std::max(mostQuestions_, int(e->score.questions));
      }
  }

  std::vector<int> loadedNow() {
    std::vector<int> loaded;
    if (!program().ended())
      for (Screen* s : program().loaded()) loaded.push_back(s->number());
    return loaded;
  }

  // The frame shown is one the screens drew: loaded screens, the active one
  // first, and once everything has played, exactly the screens loaded now.
  void checkFrame(const std::vector<int>& loaded) {
    const session::Frame& f = session_.frame();
    std::vector<int> shown;
    for (const session::Window& w : f.windows) shown.push_back(w.screen);
    if (f.ended != shown.empty()) throw Violation{"a frame ended with windows, or neither"};
    if (!legalSet(shown) || std::set<int>(shown.begin(), shown.end()).size() != shown.size())
      throw Violation{"a frame of screens never loaded together:" + names(shown)};
    if (!probe_.pending().empty() || probe_.holding()) return;
    if (shown != loaded || f.ended != program().ended())
      throw Violation{"the frame shows" + names(shown) + ", the screens loaded are" + names(loaded)};
  }

  void note(const std::string& line) {
    if (verbose_) std::printf("#%ld at %.0f %s\n", event_, now_, line.c_str());
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  double real() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

  const unsigned seed_;
  const long events_;
  const bool verbose_;
  std::mt19937 rng_;
  const draw::FaceMeasure measure_;
  session::Session session_;
  session::Probe probe_;
  double now_ = 0;
  std::string failure_;
  bool afterEnd_ = false;  // a frame of the ended program was shown, and no start since
  int endedFor_ = 0, restarts_ = 0, jumps_ = 0, mostQuestions_ = 0, phaseLeft_ = 0;
  bool diligent_ = false, started_ = false;
  std::set<int> entered_;
  long event_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  unsigned long seed = 1, events = 10000;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    char* end = nullptr;
    if (a == "--verbose") verbose = true;
    else if ((a == "--seed" || a == "--events") && i + 1 < argc && *argv[i + 1])
      (a == "--seed" ? seed : events) = std::strtoul(argv[++i], &end, 10);
    if (a != "--verbose" && (!end || *end)) {
      std::fprintf(stderr, "usage: soak [--seed N] [--events N] [--verbose]\n");
      return 2;
    }
  }
  return Soak(unsigned(seed), long(events), verbose).run();
}

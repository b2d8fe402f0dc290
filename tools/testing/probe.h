// The tests' way into a session: its program, a quick way into a screen, and
// every step at once without a clock. No edition links it.
#pragma once
#include <string>
#include <vector>

#include "session/recorder.h"
#include "session/session.h"

namespace record {
class Class;
}
namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace session {

class Probe {
 public:
  explicit Probe(Session& session) : session_(session) {}

  shell::Program& program();
  // The class record behind the program (to open it and choose a child).
  record::Class& klass();
  // The loaded screen of that number; nullptr for any other number.
  shell::Screen* loaded(int screen);
  // Shows a screen and unloads every other one without running a handler
  // (a scenario's `show`), in its turn after the input held; numbers that
  // are no screen's do nothing.
  void showOnly(int screen, double now);
  // Every step not yet played, whatever its time, with the held input
  // handled first; the last picture becomes the frame shown, and nothing is
  // left to play.
  std::vector<Step> takeAll();
  // Lets the clock run to `now` without playing anything: a finger held
  // still becomes a long press, the mouse at rest says what it is on; their
  // steps wait for takeAll.
  void elapse(double now);
  // When the steps of the input handled so far have all played.
  double idleAt() const;
  // Steps yet to play at `now`; input held until they have.
  bool playing(double now) const;
  bool holding() const;
  bool busy(double now) const { return playing(now) || holding(); }
  // The steps waiting, with their times, in the timeline's order.
  struct Pending {
    double at;
    const Step* step;
  };
  std::vector<Pending> pending() const;

 private:
  Session& session_;
};

// The machine of the tests: every draw is `draw`, a reseed does nothing,
// and what a failing handler said is kept.
struct Still : Machine {
  explicit Still(double draw = 0.5) : draw(draw) {}
  void reseed() override {}
  double next() override { return draw; }
  void log(std::string_view m) override { logged.emplace_back(m); }
  double draw;
  std::vector<std::string> logged;
};

// The phrases said among these steps or sounds, a hush as "(hush)".
template <class Steps>
std::vector<std::string> said(const Steps& steps) {
  std::vector<std::string> out;
  for (const auto& s : steps) {
    if (const auto* say = std::get_if<Say>(&s)) out.push_back(say->text);
    if (std::holds_alternative<Hush>(s)) out.push_back("(hush)");
  }
  return out;
}

}  // namespace session

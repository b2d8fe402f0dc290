#include "probe.h"

#include <algorithm>

#include "session/parts.h"

// The exercise screens and the class record's two: "Chi sei?" and the
// teacher's.
constexpr int kLastScreen = record::kTeacher;

namespace session {

shell::Program& Probe::program() { return *session_.parts_->program; }

record::Class& Probe::klass() { return session_.parts_->klass; }

shell::Screen* Probe::loaded(int screen) { return screen == 0 ? nullptr : session_.parts_->screenFor(screen); }

void Probe::showOnly(int screen, double now) {
  if (screen < 1 || screen > kLastScreen) return;
  Input in{Input::Kind::Call};
  in.call = [screen](shell::Program& p) { p.showOnly(screen); };
  session_.parts_->submit(std::move(in), now);
}

std::vector<Step> Probe::takeAll() {
  Session::Parts& p = *session_.parts_;
  while (auto in = p.held.pop()) p.run(*in, idleAt(), false);
  std::vector<Step> steps = p.timeline.takeAll();
  for (const Step& s : steps)
    if (const auto* frame = std::get_if<Frame>(&s)) p.show(*frame);
  return steps;
}

void Probe::elapse(double now) { session_.parts_->wake(now); }

double Probe::idleAt() const { return std::max(session_.parts_->timeline.end(), 0.0); }

bool Probe::playing(double now) const { return session_.parts_->timeline.busy(now); }

bool Probe::holding() const { return !session_.parts_->held.empty(); }

std::vector<Probe::Pending> Probe::pending() const {
  std::vector<Pending> out;
  for (const auto& t : session_.parts_->timeline.steps_) out.push_back({t.at, &t.step});
  return out;
}

}  // namespace session

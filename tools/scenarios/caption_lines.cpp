// caption-lines: every screen's lines of text as the desktop lays them out
// when the screen is shown, one screen a line: "N [lines]" (see lines.h).
// The page's test compares its own with these, in every browser engine.
#include <iostream>

#include "draw/face_measure.h"
#include "lines.h"
#include "session/session.h"
#include "shell/program.h"
#include "testing/probe.h"

namespace {

class Still : public session::Machine {
 public:
  void reseed() override {}
  double next() override { return 0.5; }
  void log(std::string_view message) override { std::cerr << "caption-lines: " << message << '\n'; }
};

}  // namespace

int main() {
  Still machine;
  const draw::FaceMeasure measure;
  session::Session session(machine, measure);
  session::Probe probe(session);
  session.start(0);
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    probe.showOnly(n, probe.idleAt());
    const session::Frame* last = nullptr;
    const std::vector<session::Step> steps = probe.takeAll();
    for (const session::Step& step : steps)
      if (const auto* f = std::get_if<session::Frame>(&step)) last = f;
    if (!last || !last->active() || last->active()->screen != n) {
      std::cerr << "caption-lines: Form" << n << " was not shown\n";
      return 1;
    }
    std::cout << n << ' ' << scenarios::textLines(last->active()->drawing) << '\n';
  }
  return 0;
}

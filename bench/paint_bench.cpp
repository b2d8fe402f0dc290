// How long the busiest screens take to paint with Qt's software raster, and
// how long a key press takes from the model to a repainted answer box.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "desktop/paint/paint.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "testing/fake_platform.h"
#include "testing/probe.h"
#include "session/session.h"
#include "shell/program.h"
#include "shell/random.h"

namespace {

// A program on the fake platform, inside FormN after one question.
struct Asked {
  shell::FakePlatform platform;
  shell::Program program{platform};
  shell::Screen* screen = nullptr;
  draw::FaceMeasure measure;

  Asked(int number, const char* newQuestion) {
    platform.fallBackTo(7);
    program.start();
    program.showOnly(number);
    screen = &program.form(number);
    const shell::Control& c = (*screen)(newQuestion);
    program.mouseDown(number, shell::Button::Left, c.centreX(), c.centreY());
    program.mouseUp(number, shell::Button::Left, c.centreX(), c.centreY());
  }
};

void fullPaint(benchmark::State& state, int number, const char* newQuestion) {
  Asked asked(number, newQuestion);
  const draw::Rect board = draw::clientRect(*asked.screen);
  QImage image(int(board.w), int(board.h), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter p(&image);
    paint::replay(p, draw::record(asked.program, *asked.screen, asked.measure));
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK_CAPTURE(fullPaint, Form34, 34, "Label2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fullPaint, Form26, 26, "Label17")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fullPaint, Form18, 18, "Label1")->Unit(benchmark::kMillisecond);

// A digit typed into "Numero seguente entro 10": KeyPress, KeyUp and the
// judging in the model, then the drawing recorded and the answer box
// repainted from it, as the desktop paints a frame.
void keyToRepaintedBox(benchmark::State& state) {
  Asked asked(14, "Label9");
  const shell::Control& box = (*asked.screen)("Text1");
  asked.program.mouseDown(14, shell::Button::Left, box.centreX(), box.centreY());
  asked.program.mouseUp(14, shell::Button::Left, box.centreX(), box.centreY());
  const draw::Rect board = draw::clientRect(*asked.screen);
  QImage image(int(board.w), int(board.h), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    asked.program.key('5', 53);
    QPainter p(&image);
    const draw::Rect r = draw::pixels(box);
    p.setClipRect(QRectF(r.x, r.y, r.w, r.h).toAlignedRect());
    paint::replay(p, draw::record(asked.program, *asked.screen, asked.measure));
    p.end();
    asked.program.key(8, 8);  // Backspace, so that every round types into the same box
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(keyToRepaintedBox)->Unit(benchmark::kMicrosecond);

// The beads laid on "Completa la decina sull'abaco": the handler runs to
// its end at once, the session recording the picture of every one of its
// 1098 steps with its pause; the edition plays them afterwards.
struct BenchMachine : session::Machine {
  void reseed() override {}
  double next() override { return random.next(); }
  void log(std::string_view) override {}
  shell::Random random;
};

void abacusLaying(benchmark::State& state) {
  BenchMachine machine;
  draw::FaceMeasure measure;
  size_t steps = 0;
  for (auto _ : state) {
    session::Session s(machine, measure);
    s.start(0);
    session::Probe probe(s);
    probe.showOnly(26, 0);
    const shell::Control& chalk = probe.program().form(26)("Label17");
    session::PointerInput press{session::PointerInput::Kind::Press, shell::Button::Left, 26, chalk.centreX(),
                                chalk.centreY()};
    s.pointer(press, 0);
    press.kind = session::PointerInput::Kind::Release;
    s.pointer(press, 0);
    steps = probe.takeAll().size();
  }
  state.counters["steps"] = double(steps);
}
BENCHMARK(abacusLaying)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

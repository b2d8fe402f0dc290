// What the class record adds to a key's repaint on the desktop: a digit
// typed into "Numero seguente entro 10" (each one a wrong answer, so each
// one a row of the record), through the session to the frame due, its
// changes handed to the store as the desktop hands them, and the answer box
// repainted from the frame. Three ways: the record off, kept in memory only,
// and kept in an SQLite store in a folder of /tmp. The store writes on its
// own thread; what the key waits for is the handing on.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "desktop/class_store.h"
#include "desktop/paint/paint.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "record/klass.h"
#include "session/session.h"
#include "shell/program.h"
#include "shell/random.h"
#include "testing/probe.h"

namespace {

struct Draws : session::Machine {
  void reseed() override {}
  double next() override { return 0.3; }  // the question 3: the answer 4
  void log(std::string_view) override {}
};

enum class Kept { Off, InMemory, InStore };

void keyWithTheRecord(benchmark::State& state, Kept kept) {
  Draws draws;
  draw::FaceMeasure measure;
  session::Session s(draws, measure);
  session::Probe probe(s);
  double now = 0;
  s.start(now);
  char folder[] = "/tmp/aritmetica-bench-XXXXXX";
  std::optional<desktop::ClassStore> store;
  if (kept != Kept::Off) {
    record::Book book;
    if (kept == Kept::InStore) book = store.emplace().open(mkdtemp(folder));
    book.add(record::Child{"Anna", 0});
    s.openClass(book, 1.7e12);
    dynamic_cast<record::Class*>(probe.program().extension())->choose("Anna");
  }
  probe.showOnly(14, now);
  probe.takeAll();
  auto click = [&](const char* control) {
    const shell::Control& c = probe.program().form(14)(control);
    session::PointerInput in{session::PointerInput::Kind::Press, shell::Button::Left, 14, c.centreX(), c.centreY()};
    s.pointer(in, now += 1);
    in.kind = session::PointerInput::Kind::Release;
    s.pointer(in, now += 1);
    probe.takeAll();
  };
  click("Label9");  // the chalk: a question
  click("Text1");
  const shell::Control& box = probe.program().form(14)("Text1");
  const draw::Rect r = draw::pixels(box);
  QImage image(792, 573, QImage::Format_ARGB32_Premultiplied);
  std::size_t rows = 0;
  auto type = [&](unsigned character) {
    s.key({session::KeyName::Character, character}, 0, now += 1);
    const session::Frame* frame = s.advance(now);
    for (const record::Change& c : s.takeChanges()) {
      rows += c.kind == record::Change::Kind::Row;
      if (store) store->apply(c);
    }
    return frame;
  };
  for (auto _ : state) {
    const session::Frame* frame = type('7');  // wrong: a row
    QPainter p(&image);
    p.setClipRect(QRectF(r.x, r.y, r.w, r.h).toAlignedRect());
    if (frame) paint::replay(p, frame->active()->drawing);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
    state.PauseTiming();
    s.key({session::KeyName::Backspace}, 0, now += 1);  // so that every round types into the same box
    s.advance(now);
    for (const record::Change& c : s.takeChanges())
      if (store) store->apply(c);
    state.ResumeTiming();
  }
  state.counters["rows"] = double(rows);
  if (store) {
    store->flush();
    store.reset();
    std::filesystem::remove_all(folder);
  }
}
BENCHMARK_CAPTURE(keyWithTheRecord, off, Kept::Off)->Unit(benchmark::kMicrosecond)->Iterations(500);
BENCHMARK_CAPTURE(keyWithTheRecord, in_memory, Kept::InMemory)->Unit(benchmark::kMicrosecond)->Iterations(500);
BENCHMARK_CAPTURE(keyWithTheRecord, sqlite, Kept::InStore)->Unit(benchmark::kMicrosecond)->Iterations(500);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

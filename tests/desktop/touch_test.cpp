// The real desktop with a finger, on an offscreen monitor of 1920 x 1080 in
// the whole-screen mode: a tap is a click where the child sees the control,
// a tap in the margin reaches no screen, the next screen opens in the mode,
// a bead dragged with a finger lands on its spike, and a finger held still
// is the right button. And a handler that fails is reported once while the
// program goes on. Touch reaches the
// screens as the mouse events Qt makes of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointingDevice>
#include <QTest>
#include <QWidget>

#include "desktop/desktop.h"
#include "desktop/paint/paint.h"
#include "shell/program.h"
#include "testing/probe.h"

namespace {

QPointingDevice* finger() {
  static QPointingDevice* device = QTest::createTouchDevice();
  return device;
}

// The draws: always 0.3, or a failure (a handler with a fault); faults kept.
class Draws : public session::Machine {
 public:
  void reseed() override {}
  double next() override {
    if (fail) throw std::runtime_error("no draws");
    return 0.3;
  }
  void log(std::string_view message) override { logged.emplace_back(message); }
  bool fail = false;
  std::vector<std::string> logged;
};

struct Touch : ::testing::Test {
  Draws draws;
  desktop::Desktop desktop{&draws};

  void SetUp() override {
    desktop.setWholeScreen(true);
    desktop.start();
  }
  QWidget* front() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->windowTitle() ==
                                QString::fromStdString(session::Probe(desktop.session()).program().active()->caption()))
        return w;
    return nullptr;
  }
  // The window position of a board pixel of the screen in front.
  QPoint at(int x, int y) {
    const QSizeF board = paint::clientSize(*session::Probe(desktop.session()).program().active());
    const double f = std::min(1920 / board.width(), 1080 / board.height());
    return QPoint(int((1920 - board.width() * f) / 2) + int(x * f + 0.5), int((1080 - board.height() * f) / 2) + int(y * f + 0.5));
  }
  void tap(QPoint p) {
    QWindow* w = front()->windowHandle();
    QTest::touchEvent(w, finger()).press(0, p, w);
    QTest::touchEvent(w, finger()).release(0, p, w);
    QCoreApplication::processEvents();
  }
  int active() { return session::Probe(desktop.session()).program().active()->number(); }
  // The window position of a control's centre on the screen in front.
  QPoint centre(const char* name) {
    const shell::Control* c = session::Probe(desktop.session()).program().active()->find(name);
    return at(int(c->centreX() / 15), int((c->top + c->height / 2) / 15));
  }
  bool visible(const char* name) { return session::Probe(desktop.session()).program().active()->find(name)->visible; }
};

TEST_F(Touch, TapsReachTheScreensAtTheScaledPositionsAndNotInTheMargin) {
  ASSERT_TRUE(front());
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
  tap(QPoint(100, 540));       // the margin beside the board
  tap(at(396, 40));            // the board above "ARITMETICA"
  EXPECT_EQ(active(), 1);
  tap(at(396, 236));           // ARITMETICA
  ASSERT_EQ(active(), 5);
  ASSERT_TRUE(front());
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
}

TEST_F(Touch, AFingerDragsABeadOntoTheSpike) {
  tap(at(396, 236));           // ARITMETICA
  tap(at(200, 248));           // OPERAZIONI VARIE ENTRO IL 9
  tap(at(100, 312));           // Dal numero in lettere e in cifre all'abaco
  ASSERT_EQ(active(), 7);
  tap(at(64, 540));            // the chalk: a question, beads enabled
  QWindow* w = front()->windowHandle();
  QTest::touchEvent(w, finger()).press(0, at(136, 152), w);
  for (int y = 170; y <= 230; y += 30) QTest::touchEvent(w, finger()).move(0, at(136 + (y - 152) * 6, y), w);
  QTest::touchEvent(w, finger()).move(0, at(664, 240), w);
  QTest::touchEvent(w, finger()).release(0, at(664, 240), w);
  QCoreApplication::processEvents();
  const QImage image = paint::render(session::Probe(desktop.session()).program(), *session::Probe(desktop.session()).program().active(), 1);
  const QColor slot(image.pixel(664, 376));
  EXPECT_GT(slot.red(), 200);
  EXPECT_GT(slot.blue(), 200);
  EXPECT_EQ(image.pixel(136, 152), qRgb(0, 128, 128));  // bead 1 left its home
}

TEST_F(Touch, AFailingHandlerIsReportedOnceAndTheProgramGoesOn) {
  tap(at(396, 236));           // ARITMETICA
  tap(at(200, 248));           // OPERAZIONI VARIE ENTRO IL 9
  tap(at(430, 161));           // Trova il numero successivo
  ASSERT_EQ(active(), 14);
  draws.fail = true;
  tap(centre("Label9"));       // the chalk: its question cannot be drawn
  ASSERT_EQ(draws.logged.size(), 1u);
  EXPECT_NE(draws.logged[0].find("no draws"), std::string::npos);
  tap(centre("Label15"));      // and the way back still works
  EXPECT_EQ(active(), 2);
}

TEST_F(Touch, AFingerHeldStillTakesAUnitAway) {
  tap(at(396, 236));           // ARITMETICA
  tap(at(200, 248));           // OPERAZIONI VARIE ENTRO IL 9
  tap(at(100, 145));           // Dal numero in lettere e in cifre alle unità
  ASSERT_EQ(active(), 4);
  tap(centre("Label2"));       // the chalk: a question
  const QPoint units = at(10000 / 15, 3000 / 15);
  tap(units);
  tap(units);
  ASSERT_TRUE(visible("Shape2"));
  QWindow* w = front()->windowHandle();
  QTest::touchEvent(w, finger()).press(0, units, w);
  QTest::qWait(900);           // held still, past the half second
  QTest::touchEvent(w, finger()).release(0, units, w);
  QCoreApplication::processEvents();
  EXPECT_FALSE(visible("Shape2"));
  EXPECT_TRUE(visible("Shape1"));
}

}  // namespace

int main(int argc, char** argv) {
  // One offscreen monitor of a classroom projector's size.
  const QString config = QDir::temp().filePath("aritmetica-touch-screen.json");
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080,
                "logicalDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  QFile::remove(config);
  return result;
}

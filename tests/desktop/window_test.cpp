// Catches the desktop showing something else than the frame it plays: a
// window left open, not opened or not in front when the screens change, a
// board painted out of place, a click or a finger mapped to the wrong spot
// of a scaled board (or the margin reaching a screen), a new screen or F11
// losing the whole-screen mode, a long press never acted on, an animation
// shown at its end at once, and a pointer or tooltip of another moment than
// the picture shown; and the command line's mistakes. The desktop is the
// real one, in this process, on the 1920 x 1080 offscreen monitor, driven
// by Qt's mouse, finger and key events and watched through its windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QHelpEvent>
#include <QPointingDevice>
#include <QTest>
#include <QToolTip>

#include "desktop/desktop.h"
#include "desktop/options.h"
#include "desktop/paint/paint.h"

namespace {

// The same draw at every question.
class Draws : public session::Machine {
 public:
  void reseed() override {}
  double next() override { return 0.3; }
  void log(std::string_view) override {}
};

QPointingDevice* finger() {
  static QPointingDevice* device = QTest::createTouchDevice();
  return device;
}

// The pointer a window shows: the arrow, or the one whose picture it is;
// nullopt for anything else.
std::optional<shell::Pointer> pointerOf(const QWidget* w) {
  if (!w->testAttribute(Qt::WA_SetCursor) || w->cursor().shape() != Qt::BitmapCursor) return shell::Pointer::Arrow;
  const QImage shown = w->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (shell::Pointer p : {shell::Pointer::Hand, shell::Pointer::Chalk, shell::Pointer::Grab})
    if (shown == paint::picture(paint::pointerPicture(p))) return p;
  return std::nullopt;
}

bool white(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }

struct Desk : ::testing::Test {
  Draws draws;
  desktop::Desktop desktop{&draws};

  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  int active() const { return desktop.frame().active() ? desktop.frame().active()->screen : 0; }
  std::vector<desktop::ScreenWindow*> shownWindows() const {
    std::vector<desktop::ScreenWindow*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* s = dynamic_cast<desktop::ScreenWindow*>(w); s && s->isVisible()) shown.push_back(s);
    return shown;
  }
  // The window of the screen in front, titled as the frame says.
  QWidget* front() const {
    for (desktop::ScreenWindow* w : shownWindows())
      if (w->number() == active() && w->windowTitle() == QString::fromStdString(desktop.frame().active()->caption))
        return w;
    return nullptr;
  }
  // Events handled until `done`, for as long as it takes a loaded machine.
  template <class F>
  bool eventually(F&& done) {
    QDeadlineTimer deadline(120000);
    while (!done()) {
      if (deadline.hasExpired()) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
  }
  bool nextFrame() {
    const unsigned long picture = desktop.frame().picture;
    return eventually([&] { return desktop.frame().picture != picture; });
  }

  // Where the board pixel x, y of the screen in front stands in its window,
  // in whichever mode it is.
  QPoint at(int x, int y) const {
    const draw::Rect board = desktop.frame().active()->client;
    const QSize window = front()->size();
    const double f = std::min(window.width() / board.w, window.height() / board.h);
    return QPoint(int((window.width() - board.w * f) / 2) + int(x * f + 0.5),
                  int((window.height() - board.h * f) / 2) + int(y * f + 0.5));
  }
  void click(int x, int y) { QTest::mouseClick(front(), Qt::LeftButton, {}, at(x, y)); }
  void tap(QPoint p) {
    QWindow* w = front()->windowHandle();
    QTest::touchEvent(w, finger()).press(0, p, w);
    QTest::touchEvent(w, finger()).release(0, p, w);
  }
  void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(front(), k, m); }
  QRgb pixel(int x, int y) const { return front()->grab().toImage().pixel(at(x, y)); }
  // Where a window stands on the monitor, its frame's corner, and its size.
  static QRect placed(const QWidget* w) { return QRect(w->pos(), w->size()); }
  // The designed window of a screen `height` pixels high, centred on the monitor.
  static QRect designed(int height) { return QRect((1920 - 792) / 2, (1080 - height) / 2 - 20, 792, height); }
};

TEST_F(Desk, TheDesignedWindowsFollowTheScreensUntilTheSpongeEndsAll) {
  desktop.start();
  ASSERT_TRUE(front());
  EXPECT_EQ(shownWindows().size(), 1u);
  EXPECT_EQ(placed(front()), designed(573));
  EXPECT_EQ(pixel(700, 400), qRgb(0, 128, 128));  // the board
  EXPECT_EQ(pixel(5, 300), qRgb(255, 128, 64));   // the frame
  EXPECT_EQ(pixel(300, 572), qRgb(128, 64, 0));   // the ledge
  click(396, 236);                                // ARITMETICA
  ASSERT_EQ(active(), 5);
  ASSERT_TRUE(front());
  EXPECT_EQ(shownWindows().size(), 1u);           // the title window has gone
  EXPECT_EQ(placed(front()), designed(550));
  click(140, 535);                                // the sponge
  EXPECT_TRUE(desktop.frame().ended);
  EXPECT_TRUE(shownWindows().empty());
}

TEST_F(Desk, TheWholeScreenModeScalesTheBoardMapsFingersAndOutlivesNewScreensAndF11) {
  desktop.setWholeScreen(true);
  desktop.start();
  ASSERT_TRUE(front());
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
  EXPECT_EQ(pixel(700, 400), qRgb(0, 128, 128));
  EXPECT_EQ(pixel(5, 300), qRgb(255, 128, 64));
  EXPECT_EQ(front()->grab().toImage().pixel(100, 540), desktop::kMarginColour.rgb());
  tap(QPoint(100, 540));  // the margin beside the board
  tap(at(396, 40));       // the board above "ARITMETICA"
  EXPECT_EQ(active(), 1);
  tap(at(396, 236));      // ARITMETICA
  ASSERT_EQ(active(), 5);
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
  key(Qt::Key_F11);
  EXPECT_EQ(placed(front()), designed(550));
  key(Qt::Key_F11);
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));

  tap(at(200, 248));      // OPERAZIONI VARIE ENTRO IL 9
  tap(at(100, 312));      // Dal numero in lettere e in cifre all'abaco
  ASSERT_EQ(active(), 7);
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
  tap(at(64, 540));       // the chalk: a question, beads enabled
  // Bead 1 from its home (board pixels 120,136, 32 square) onto the units spike.
  QWindow* w = front()->windowHandle();
  QTest::touchEvent(w, finger()).press(0, at(136, 152), w);
  for (int y = 170; y <= 230; y += 30) QTest::touchEvent(w, finger()).move(0, at(136 + (y - 152) * 6, y), w);
  QTest::touchEvent(w, finger()).move(0, at(664, 240), w);
  QTest::touchEvent(w, finger()).release(0, at(664, 240), w);
  EXPECT_TRUE(white(pixel(664, 376)));             // bead 1 in slot 1
  EXPECT_EQ(pixel(136, 152), qRgb(0, 128, 128));   // and gone from its home
}

// "Dal numero in lettere e in cifre alle unità": a tap on the units box adds
// a unit, a finger held still there takes one away.
TEST_F(Desk, AFingerHeldStillIsTheRightButton) {
  desktop.setWholeScreen(true);
  desktop.start();
  tap(at(396, 236));  // ARITMETICA
  tap(at(200, 248));  // OPERAZIONI VARIE ENTRO IL 9
  tap(at(100, 145));  // Dal numero in lettere e in cifre alle unità
  ASSERT_EQ(active(), 4);
  tap(at(68, 540));   // the chalk: a question
  const QPoint units = at(10000 / 15, 3000 / 15);
  tap(units);
  const QImage one = front()->grab().toImage();
  tap(units);
  ASSERT_NE(front()->grab().toImage(), one);
  QWindow* w = front()->windowHandle();
  QTest::touchEvent(w, finger()).press(0, units, w);
  ASSERT_TRUE(nextFrame());  // the long press, once its time has come
  QTest::touchEvent(w, finger()).release(0, units, w);
  EXPECT_EQ(front()->grab().toImage(), one);
}

// "Completa la decina sull'abaco": the beads are laid, every digit is typed
// at once (held until the laying ends; the right one fills the ten and
// exchanges it), and the mouse rests on the chalk, which takes the mouse,
// with its hand and its tooltip, only once the exchange has ended. At every
// frame the window's pointer and tooltip are those of the frame's picture.
TEST_F(Desk, ThePointerAndTooltipAreThoseOfThePictureShownWhileTheBeadsMove) {
  desktop.start();
  click(396, 236);  // ARITMETICA
  click(200, 320);  // OPERAZIONI VARIE ENTRO IL 20
  click(150, 148);  // Sull'abaco (FORMA LA DECINA)
  ASSERT_EQ(active(), 26);
  QWidget* w = front();
  const QPoint chalk(68, 540);
  click(chalk.x(), chalk.y());  // the beads are laid
  click(532, 252);              // into the answer box
  for (int d = 1; d <= 9; ++d) key(Qt::Key(Qt::Key_0 + d), Qt::KeypadModifier);
  QCursor::setPos(w->mapToGlobal(chalk));
  int frames = 0;
  bool ended = false;
  while (!ended) {
    ASSERT_TRUE(nextFrame()) << "after " << frames << " frames";
    ++frames;
    const session::HoverArea* hover = desktop.frame().active()->hoverAt(chalk.x(), chalk.y());
    ended = hover && hover->pointer == shell::Pointer::Hand;
    EXPECT_EQ(pointerOf(w), hover ? hover->pointer : shell::Pointer::Arrow) << "frame " << frames;
    QHelpEvent help(QEvent::ToolTip, chalk, w->mapToGlobal(chalk));
    QApplication::sendEvent(w, &help);
    EXPECT_EQ(QToolTip::text().toStdString(), hover ? hover->toolTip : "") << "frame " << frames;
  }
  EXPECT_GT(frames, 1);
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8("DAMMI LE UNITÀ"));
}

TEST(Options, TheModeTheVoiceHelpAndMistakes) {
  using desktop::Options;
  using desktop::parseOptions;
  EXPECT_EQ(parseOptions({}).action, Options::Action::Run);
  EXPECT_FALSE(parseOptions({}).wholeScreen);
  EXPECT_TRUE(parseOptions({}).voice);
  EXPECT_TRUE(parseOptions({"--fullscreen"}).wholeScreen);
  EXPECT_FALSE(parseOptions({"--no-voice"}).voice);
  EXPECT_EQ(parseOptions({"--fullscreen", "-h"}).action, Options::Action::Help);
  for (std::vector<std::string> wrong : {std::vector<std::string>{"--full"}, {"-f"}, {"fullscreen"},
                                         {"--fullscreen", "--bogus"}, {"--fullscreen=yes"}}) {
    const Options o = parseOptions(wrong);
    EXPECT_EQ(o.action, Options::Action::Usage) << wrong.back();
    EXPECT_EQ(o.mistake, wrong.back());
  }
  // Qt's own options pass, with their values.
  const Options qt = parseOptions({"-platform", "offscreen", "--fullscreen", "-style=fusion", "-reverse"});
  EXPECT_EQ(qt.action, Options::Action::Run);
  EXPECT_TRUE(qt.wholeScreen);
}

}  // namespace

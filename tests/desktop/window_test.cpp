// Catches the desktop showing another than the frame it plays: windows not
// following the screens, input mapped wrongly on a scaled board, the whole-screen
// mode lost, a long press ignored, a pointer or tooltip of another moment; Qt's
// keys, the command line, and answers not kept with today's date (offscreen 1920 x 1080).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QHelpEvent>
#include <QPointingDevice>
#include <QTest>
#include <QTemporaryDir>
#include <QToolTip>

#include "desktop/desktop.h"
#include "desktop/keys.h"
#include "desktop/options.h"
#include "desktop/paint/paint.h"
#include "record/klass.h"
#include "testing/probe.h"

namespace {

QPointingDevice* finger() {
  static QPointingDevice* device = QTest::createTouchDevice();
  return device;
}

// The pointer a window shows: the arrow, or the one whose picture it is.
std::optional<shell::Pointer> pointerOf(const QWidget* w) {
  if (!w->testAttribute(Qt::WA_SetCursor) || w->cursor().shape() != Qt::BitmapCursor) return shell::Pointer::Arrow;
  const QImage shown = w->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (shell::Pointer p : {shell::Pointer::Hand, shell::Pointer::Chalk, shell::Pointer::Grab})
    if (shown == paint::picture(paint::pointerPicture(p))) return p;
  return std::nullopt;
}

bool white(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }

struct Desk : ::testing::Test {
  session::Still draws{0.3};  // the same draw at every question
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
  // Events handled until `done`.
  template <class F>
  bool eventually(F&& done) {
    QDeadlineTimer deadline(120000);
    while (!done()) {
      if (deadline.hasExpired()) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
  }
  bool reach(int screen) { return eventually([&] { return active() == screen && front(); }); }
  // Runs an input and waits for the picture it brings.
  template <class F>
  bool changes(F&& input) {
    const unsigned long picture = desktop.frame().picture;
    input();
    return eventually([&] { return desktop.frame().picture != picture; });
  }

  // Where the board pixel x, y of the screen in front stands in its window.
  QPoint at(int x, int y) const {
    const draw::Rect board = desktop.frame().active()->client;
    const QSize window = front()->size();
    const double f = std::min(window.width() / board.w, window.height() / board.h);
    return QPoint(int((window.width() - board.w * f) / 2) + int(x * f + 0.5),
                  int((window.height() - board.h * f) / 2) + int(y * f + 0.5));
  }
  void click(int x, int y) { QTest::mouseClick(front(), Qt::LeftButton, {}, at(x, y)); }
  // A finger down and up with no event handled between: never a long press.
  void tap(QPoint p) {
    QWindow* w = front()->windowHandle();
    QTest::touchEvent(w, finger()).press(0, p, w).commit(false);
    QTest::touchEvent(w, finger()).release(0, p, w);
  }
  void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(front(), k, m); }
  QRgb pixel(int x, int y) const { return front()->grab().toImage().pixel(at(x, y)); }
  static QRect placed(const QWidget* w) { return QRect(w->pos(), w->size()); }
  // The designed window of a screen `height` pixels high, centred on the monitor.
  static QRect designed(int height) { return QRect((1920 - 792) / 2, (1080 - height) / 2 - 20, 792, height); }
};

TEST_F(Desk, TheDesignedWindowsFollowTheScreensUntilTheSpongeEndsAll) {
  desktop.start();
  ASSERT_TRUE(reach(1));
  EXPECT_EQ(shownWindows().size(), 1u);
  EXPECT_EQ(placed(front()), designed(573));
  EXPECT_EQ(pixel(700, 400), qRgb(0, 128, 128));  // the board
  // The mouse passing over "ARITMETICA" and out of the window starts nothing.
  const unsigned long still = desktop.frame().picture;
  QTest::mouseMove(front(), at(396, 236));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(front(), &leave);
  QCoreApplication::processEvents();
  EXPECT_EQ(desktop.frame().picture, still);
  click(396, 236);                                // ARITMETICA
  ASSERT_TRUE(reach(5));
  EXPECT_EQ(shownWindows().size(), 1u);           // the title window has gone
  EXPECT_EQ(placed(front()), designed(550));
  click(140, 535);                                // the sponge
  ASSERT_TRUE(eventually([&] { return desktop.frame().ended; }));
  EXPECT_TRUE(shownWindows().empty());
}

TEST_F(Desk, TheWholeScreenModeScalesTheBoardMapsFingersAndOutlivesNewScreensAndF11) {
  desktop.setWholeScreen(true);
  desktop.start();
  ASSERT_TRUE(reach(1));
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
  EXPECT_EQ(pixel(700, 400), qRgb(0, 128, 128));
  EXPECT_EQ(pixel(5, 300), qRgb(255, 128, 64));   // the frame
  EXPECT_EQ(front()->grab().toImage().pixel(100, 540), desktop::kMarginColour.rgb());
  tap(QPoint(100, 540));  // the margin beside the board
  tap(at(396, 40));       // the board above "ARITMETICA"
  QCoreApplication::processEvents();
  EXPECT_EQ(active(), 1);
  tap(at(396, 236));      // ARITMETICA
  ASSERT_TRUE(reach(5));
  key(Qt::Key_F11);
  EXPECT_EQ(placed(front()), designed(550));
  key(Qt::Key_F11);
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));

  tap(at(200, 248));      // OPERAZIONI VARIE ENTRO IL 9
  ASSERT_TRUE(reach(2));
  tap(at(100, 312));      // Dal numero in lettere e in cifre all'abaco
  ASSERT_TRUE(reach(7));
  EXPECT_EQ(front()->geometry(), QRect(0, 0, 1920, 1080));
  ASSERT_TRUE(changes([&] { tap(at(64, 540)); }));  // the chalk: a question, beads enabled
  // Bead 1 from its home (board pixels 120,136, 32 square) onto the units spike.
  QWindow* w = front()->windowHandle();
  QTest::touchEvent(w, finger()).press(0, at(136, 152), w).commit(false);
  for (int y = 170; y <= 230; y += 30) QTest::touchEvent(w, finger()).move(0, at(136 + (y - 152) * 6, y), w);
  QTest::touchEvent(w, finger()).move(0, at(664, 240), w);
  QTest::touchEvent(w, finger()).release(0, at(664, 240), w);
  EXPECT_TRUE(eventually([&] { return white(pixel(664, 376)); }));  // bead 1 in slot 1
  EXPECT_EQ(pixel(136, 152), qRgb(0, 128, 128));                     // and gone from its home
}

// "Dal numero in lettere e in cifre alle unità": a tap on the units box adds
// a unit, a finger held still there takes one away.
TEST_F(Desk, AFingerHeldStillIsTheRightButton) {
  desktop.setWholeScreen(true);
  desktop.start();
  ASSERT_TRUE(reach(1));
  tap(at(396, 236));  // ARITMETICA
  ASSERT_TRUE(reach(5));
  tap(at(200, 248));  // OPERAZIONI VARIE ENTRO IL 9
  ASSERT_TRUE(reach(2));
  tap(at(100, 145));  // Dal numero in lettere e in cifre alle unità
  ASSERT_TRUE(reach(4));
  ASSERT_TRUE(changes([&] { tap(at(68, 540)); }));  // the chalk: a question
  const QPoint units = at(10000 / 15, 3000 / 15);
  ASSERT_TRUE(changes([&] { tap(units); }));
  const QImage one = front()->grab().toImage();
  ASSERT_TRUE(changes([&] { tap(units); }));
  ASSERT_NE(front()->grab().toImage(), one);
  QWindow* w = front()->windowHandle();
  ASSERT_TRUE(changes([&] { QTest::touchEvent(w, finger()).press(0, units, w); }));  // once its time has come
  QTest::touchEvent(w, finger()).release(0, units, w);
  EXPECT_TRUE(eventually([&] { return front()->grab().toImage() == one; }));
}

// "Completa la decina sull'abaco": the beads are laid, every digit is typed
// at once (held until the laying ends; the right one fills the ten and
// exchanges it), and the mouse rests on the chalk, which takes the mouse,
// with its hand and its tooltip, only once the exchange has ended. At every
// frame the window's pointer and tooltip are those of the frame's picture.
TEST_F(Desk, ThePointerAndTooltipAreThoseOfThePictureShownWhileTheBeadsMove) {
  desktop.start();
  ASSERT_TRUE(reach(1));
  click(396, 236);  // ARITMETICA
  ASSERT_TRUE(reach(5));
  click(200, 320);  // OPERAZIONI VARIE ENTRO IL 20
  ASSERT_TRUE(eventually([&] { return active() != 5 && front(); }));
  click(150, 148);  // Sull'abaco (FORMA LA DECINA)
  ASSERT_TRUE(reach(26));
  QWidget* w = front();
  const QPoint chalk(68, 540);
  click(chalk.x(), chalk.y());  // the beads are laid
  click(532, 252);              // into the answer box
  for (int d = 1; d <= 9; ++d) key(Qt::Key(Qt::Key_0 + d), Qt::KeypadModifier);
  QCursor::setPos(w->mapToGlobal(chalk));
  int frames = 0;
  bool ended = false;
  while (!ended) {
    const unsigned long picture = desktop.frame().picture;
    ASSERT_TRUE(eventually([&] { return desktop.frame().picture != picture; })) << "after " << frames << " frames";
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

TEST_F(Desk, TheChildsAnswersAreKeptInTheStoreWithTodaysDate) {
  QTemporaryDir folder;
  const std::string dir = folder.path().toStdString();
  {
    desktop::ClassStore store;
    store.open(dir);
    store.apply({record::Change::Kind::AddChild, {}, {"Anna", 0}});
  }
  desktop.keepClass(dir);
  desktop.start();
  ASSERT_TRUE(reach(1));
  click(396, 236);  // ARITMETICA
  ASSERT_TRUE(reach(record::kChooser));
  // Anna's picture, which has her name for tooltip.
  const auto& hover = desktop.frame().active()->hover;
  const auto picture = std::find_if(hover.begin(), hover.end(), [](auto& h) { return h.toolTip == "Anna"; });
  ASSERT_NE(picture, hover.end());
  click(int(picture->area.x + picture->area.w / 2), int(picture->area.y + picture->area.h / 2));
  ASSERT_TRUE(reach(5));
  click(200, 248);  // OPERAZIONI VARIE ENTRO IL 9
  ASSERT_TRUE(reach(2));
  click(469, 164);  // Trova il numero successivo
  ASSERT_TRUE(reach(14));
  ASSERT_TRUE(changes([&] { click(64, 544); }));  // the chalk: 2 drawn
  click(520, 228);                                // into the answer box
  ASSERT_TRUE(changes([&] { key(Qt::Key_3); }));
  std::optional<record::Book> kept;
  ASSERT_TRUE(eventually([&] {
    std::string error;
    kept = desktop::ClassStore::read(dir, error);
    return kept && kept->rows().size() == 1;
  })) << (kept ? kept->rows().size() : 0) << " answers kept";
  const record::Row& r = kept->rows()[0];
  EXPECT_EQ(r.child + " " + r.given + " " + r.asked.substr(0, 10),
            "Anna 3 " + QDate::currentDate().toString(Qt::ISODate).toStdString());
  EXPECT_TRUE(r.firstRight);
}

// What Qt tells apart and the session cannot: the keypad, keys without
// text, the program's own keys.
TEST(Keys, TheKeypadTheKeysWithoutTextAndTheProgramsOwn) {
  using desktop::key;
  EXPECT_TRUE(key(Qt::Key_5, Qt::KeypadModifier, "5")->keypad);
  EXPECT_FALSE(key(Qt::Key_5, Qt::NoModifier, "5")->keypad);
  EXPECT_EQ(key(Qt::Key_Agrave, Qt::NoModifier, QString::fromUtf8("à"))->character, 0xE0u);
  EXPECT_EQ(key(Qt::Key_Backspace, Qt::NoModifier, "\b")->name, session::KeyName::Backspace);
  EXPECT_EQ(key(Qt::Key_Enter, Qt::KeypadModifier, "\r")->name, session::KeyName::Enter);
  EXPECT_EQ(key(Qt::Key_F11, Qt::NoModifier, "")->name, session::KeyName::WholeScreen);
  EXPECT_EQ(key(Qt::Key_F2, Qt::NoModifier, "")->name, session::KeyName::Voice);
  EXPECT_FALSE(key(Qt::Key_F5, Qt::NoModifier, ""));
  EXPECT_EQ(desktop::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
}

TEST(Options, TheModeTheVoiceHelpAndMistakes) {
  using desktop::Options;
  using desktop::parseOptions;
  EXPECT_FALSE(parseOptions({}).wholeScreen);
  EXPECT_TRUE(parseOptions({}).voice);
  EXPECT_FALSE(parseOptions({"--no-voice"}).voice);
  EXPECT_EQ(parseOptions({"--fullscreen", "-h"}).action, Options::Action::Help);
  // The folder of --classe is optional: the next option is never taken for it.
  const Options kept = parseOptions({"--classe", "--no-voice"});
  EXPECT_TRUE(kept.keepClass && kept.classFolder.empty() && !kept.voice);
  const Options exported = parseOptions({"--classe", "/tmp/3a", "--esporta", "3a.csv"});
  EXPECT_EQ(exported.action, Options::Action::Export);
  EXPECT_EQ(exported.classFolder + " " + exported.exportTo, "/tmp/3a 3a.csv");
  for (std::vector<std::string> wrong :
       {std::vector<std::string>{"--full"}, {"fullscreen"}, {"--fullscreen=yes"}, {"--classe", "--esporta"}}) {
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

// The session: one table of keys, who gets the pointer, hover, a failing
// handler, the timeline of a handler that pauses and what is due when,
// fingers, and what is said.
#include <gtest/gtest.h>

#include <stdexcept>

#include "session/session.h"
#include "shell/program.h"

using namespace session;
using shell::Button;
using shell::Control;
using Kind = PointerInput::Kind;

namespace {

struct TestMachine : Machine {
  void reseed() override {}
  double next() override { return draws.empty() ? 0.5 : take(); }
  double take() {
    const double r = draws.front();
    draws.erase(draws.begin());
    return r;
  }
  void log(std::string_view m) override { logged.emplace_back(m); }
  std::vector<double> draws;
  std::vector<std::string> logged;
};

// Every character 7 pixels wide: enough for the recorder to lay out text.
struct FixedMeasure : draw::Measure {
  double advance(const draw::FontSpec&, std::string_view utf8) const override { return 7.0 * utf8.size(); }
  draw::LineMetrics metrics(const draw::FontSpec&) const override { return {10, 3, 0}; }
};

// A screen of our own whose handlers are what a test needs.
class Probe : public shell::Screen {
 public:
  Probe(shell::Program& p, int number, std::vector<Control> controls)
      : Screen(p, number, shell::Design{"probe", 8595, shell::kNoColour, std::move(controls)}) {}
  using Screen::onClick;
  using Screen::onMouseDown;
  using Screen::show;
  using Screen::sleep;
  using Screen::beep;
};

struct SessionTest : ::testing::Test {
  TestMachine machine;
  FixedMeasure measure;
  Session session{machine, measure};

  void SetUp() override {
    session.start(0);
    session.advance(0);
  }
  Probe& probe(int number, std::vector<Control> controls) {
    auto p = std::make_unique<Probe>(session.program(), number, std::move(controls));
    Probe& ref = *p;
    session.program().install(std::move(p));
    return ref;
  }
  void click(int screen, const Control& c, double now = 0, Device d = Device::Mouse) {
    session.pointer({Kind::Press, Button::Left, screen, c.centreX(), c.centreY(), true, 0, d}, now);
    session.pointer({Kind::Release, Button::Left, screen, c.centreX(), c.centreY(), true, 0, d}, now);
  }
  std::vector<std::string> said() {
    std::vector<std::string> out;
    for (const Step& s : session.takeAll()) {
      if (const auto* say = std::get_if<Say>(&s)) out.push_back(say->text);
      if (std::holds_alternative<Hush>(s)) out.push_back("(hush)");
    }
    return out;
  }
};

TEST(Keys, OneTableForEveryEdition) {
  // The codes the screens read: digits judge on KeyUp (48-57, keypad
  // 96-105), so a character must never borrow them, nor a special key's.
  struct Typed { char32_t c; bool keypad; int ch, code; };
  for (const Typed& t : {Typed{'7', false, '7', 55}, {'7', true, '7', 103}, {'.', false, '.', 190},
                         {'a', false, 'a', 65}, {0xE8, false, 0xE8, 186}, {0x20AC, false, 0, 69}}) {
    const KeyCodes k = keyCodes({KeyName::Character, t.c, t.keypad}).value_or(KeyCodes{-1, -1});
    EXPECT_EQ(k.character, t.ch) << unsigned(t.c);
    EXPECT_EQ(k.keyCode, t.code) << unsigned(t.c);
  }
  EXPECT_FALSE(keyCodes({KeyName::Character, 0x4E00}));  // no Latin-1 code, no key
  EXPECT_EQ(keyNamed("ArrowRight"), KeyName::Right);      // as the page names it
  EXPECT_FALSE(keyCodes({*keyNamed("Tab")}));             // Tab moves the focus instead
  EXPECT_FALSE(keyNamed("F5"));
}

TEST_F(SessionTest, APressBelongsToTheScreenItBeganOnEvenAfterAnotherOpens) {
  Probe& a = probe(40, {shell::image("Door", shell::Picture::FaceHappy, 100, 100, 600, 600)});
  Probe& b = probe(41, {shell::label("Mat", 0, 0, 3000, 3000)});
  std::string log;
  a.onMouseDown("Door", [&](Button, int, double, double) { a.show(41); });
  a.onClick("Door", [&] { log += "A;"; });
  b.onClick("Mat", [&] { log += "B;"; });
  session.showOnly(40, 0);
  click(40, a("Door"));
  EXPECT_EQ(session.program().active()->number(), 41);
  EXPECT_EQ(log, "A;");  // the release went to the screen pressed, not to the one in front
}

TEST_F(SessionTest, HoverShowsTheControlsPointerAndTooltipAndNothingOffIt) {
  session.showOnly(14, 0);
  session.takeAll();
  auto hover = [&](const Control& c) {
    const session::HoverArea* a = session.frame().window(14)->hoverAt(c.centreX() / 15, c.centreY() / 15);
    return a ? *a : session::HoverArea{};
  };
  const Control& chalk = session.program().form(14)("Label9");
  const auto over = hover(chalk);
  EXPECT_NE(over.pointer, shell::Pointer::Arrow);
  EXPECT_EQ(over.pointer, chalk.pointer);
  EXPECT_FALSE(over.toolTip.empty());
  EXPECT_EQ(over.area.x, chalk.left / 15);
  EXPECT_EQ(session.frame().window(14)->hoverAt(11000 / 15, 100 / 15), nullptr);
  // The instruction can be tapped to hear it: the hand, while the voice is on.
  const Control& instruction = session.program().form(14)("Label1");
  EXPECT_EQ(hover(instruction).pointer, shell::Pointer::Hand);
  session.setVoice(false, 0);
  session.close(40, 0);  // any input: a new frame
  session.takeAll();
  EXPECT_EQ(hover(instruction).pointer, shell::Pointer::Arrow);
}

TEST_F(SessionTest, AFailingHandlerIsReportedOnceAndTheProgramGoesOn) {
  Probe& p = probe(40, {shell::label("Bad", 0, 0, 1000, 1000), shell::label("Good", 2000, 0, 1000, 1000)});
  int good = 0;
  p.onClick("Bad", [] { throw std::runtime_error("broken handler"); });
  p.onClick("Good", [&] { ++good; });
  session.showOnly(40, 0);
  click(40, p("Bad"));
  click(40, p("Good"));
  EXPECT_EQ(machine.logged, std::vector<std::string>{"broken handler"});
  EXPECT_EQ(good, 1);
  EXPECT_EQ(session.program().active()->number(), 40);
}

// The beads laid on "Completa la decina sull'abaco": each 1 ms step is a
// picture and its pause, in order, then the final picture; nothing is slept.
TEST_F(SessionTest, AHandlerThatPausesIsATimelineOfPicturesAndPauses) {
  session.showOnly(26, 0);
  session.takeAll();
  machine.draws = {0.95, 0.85};
  const Control& chalk = session.program().form(26)("Label17");
  session.pointer({Kind::Press, Button::Left, 26, chalk.centreX(), chalk.centreY()}, 0);
  session.takeAll();
  session.pointer({Kind::Release, Button::Left, 26, chalk.centreX(), chalk.centreY()}, 0);
  const std::vector<Step> steps = session.takeAll();
  int pauses = 0, pictures = 0;
  for (size_t i = 0; i + 1 < steps.size(); i += 2) {
    if (!std::holds_alternative<session::Frame>(steps[i]) || !std::holds_alternative<Pause>(steps[i + 1])) break;
    EXPECT_EQ(std::get<Pause>(steps[i + 1]).milliseconds, 1);
    ++pauses;
    ++pictures;
  }
  EXPECT_EQ(pauses, 1098);
  ASSERT_EQ(steps.size(), 2u * 1098 + 1);
  const auto& first = std::get<session::Frame>(steps.front());
  const auto& last = std::get<session::Frame>(steps.back());
  EXPECT_EQ(first.active()->screen, 26);
  EXPECT_FALSE(first.active()->drawing.empty());
  EXPECT_NE(first.active()->drawing, last.active()->drawing);  // the beads moved
}

TEST_F(SessionTest, ThePictureDueIsTheLatestWhoseTimeHasComeAndInputWaitsItsTurn) {
  Probe& p = probe(40, {shell::label("Go", 0, 0, 1000, 1000).withCaption("GO"),
                        shell::textBox("Box", 2000, 0, 1000, 400)});
  int clicks = 0;
  p.onClick("Go", [&] {
    ++clicks;
    for (int i = 1; i <= 3; ++i) {
      p("Go").left = i * 100;  // a different picture at every step
      p.sleep(10);
    }
    p.beep();
  });
  session.showOnly(40, 0);
  session.advance(0);
  click(40, p("Go"), 100);
  EXPECT_EQ(session.wakeAt(), 100);
  EXPECT_NE(session.advance(100), nullptr);  // the picture of the first step
  const auto firstPicture = session.frame().active()->drawing;
  EXPECT_EQ(session.advance(105), nullptr);
  EXPECT_NE(session.advance(125), nullptr);  // the third step's; the second one is skipped
  EXPECT_NE(session.frame().active()->drawing, firstPicture);
  // Input meanwhile waits; the chime comes with the last picture.
  session.key({KeyName::Character, '7'}, 0, 126);
  EXPECT_EQ(p("Box").text, "");
  EXPECT_EQ(session.wakeAt(), 130);
  const session::Frame* due = session.advance(130);
  ASSERT_TRUE(due && due->sounds.size() == 1u);
  EXPECT_TRUE(std::holds_alternative<Chime>(due->sounds[0]));
  EXPECT_EQ(p("Box").text, "7");  // handed on once the steps before it had played
  EXPECT_FALSE(session.busy(130));
  EXPECT_EQ(clicks, 1);
}

TEST_F(SessionTest, AFingerTapsDragsPressesLongAndIsCancelled) {
  Probe& p = probe(40, {shell::label("Units", 0, 0, 3000, 3000)});
  std::string log;
  p.onMouseDown("", [&](Button b, int, double, double) { log += b == Button::Right ? "R;" : "L;"; });
  p.onClick("Units", [&] { log += "click;"; });
  session.showOnly(40, 0);
  const PointerInput at{Kind::Press, Button::Left, 40, 5000, 5000, true, 0, Device::Touch};
  auto as = [&](Kind k, double dx = 0) {
    PointerInput in = at;
    in.kind = k;
    in.x += dx;
    return in;
  };
  session.pointer(as(Kind::Press), 0);
  session.advance(100);
  EXPECT_EQ(log, "");  // a finger down is not yet a press
  session.pointer(as(Kind::Release), 150);
  EXPECT_EQ(log, "L;");  // a tap
  log.clear();
  session.pointer(as(Kind::Press), 200);
  session.advance(200 + kLongPressMs);
  EXPECT_EQ(log, "R;");  // held still: the right button
  session.pointer(as(Kind::Release), 800);
  log.clear();
  session.pointer(as(Kind::Press), 900);
  session.pointer(as(Kind::Cancel), 950);
  session.advance(2000);
  EXPECT_EQ(log, "");  // cancelled: nothing at all
  session.pointer(as(Kind::Press), 3000);
  session.pointer(as(Kind::Move, 2 * kTouchSlopTwips), 3050);
  EXPECT_EQ(log, "L;");  // moving: a drag from where the finger came down
  session.pointer(as(Kind::Cancel), 3100);
  const Control& units = p("Units");
  click(40, units, 3200, Device::Touch);
  EXPECT_EQ(log, "L;click;");  // the cancelled drag left no press behind
}

TEST_F(SessionTest, InstructionsAndNumberWordsAreSaidAndNothingElse) {
  EXPECT_EQ(said(), std::vector<std::string>{});  // the title is silent
  session.showOnly(2, 0);
  EXPECT_EQ(said(), std::vector<std::string>{});  // so are the menus
  session.showOnly(14, 0);
  EXPECT_EQ(said(), std::vector<std::string>{"TROVA IL NUMERO CHE SEGUE"});
  machine.draws = {0.5};
  click(14, session.program().form(14)("Label9"));  // a new question
  EXPECT_EQ(said(), std::vector<std::string>{});
  click(14, session.program().form(14)("Label1"));  // the instruction again
  EXPECT_EQ(said(), std::vector<std::string>{"TROVA IL NUMERO CHE SEGUE"});
  session.program().form(14)("Label2").caption = "SEI";
  click(14, session.program().form(14)("Label2"));  // a number word
  EXPECT_EQ(said(), std::vector<std::string>{"SEI"});
  click(14, session.program().form(14)("Label15"));  // back to the menu: the phrase stops
  EXPECT_EQ(said(), std::vector<std::string>{"(hush)"});
  // F2, the program's own key: the voice off (the phrase said stops), and on
  session.showOnly(14, 0);
  said();
  EXPECT_FALSE(session.key({KeyName::Voice}, 0, 0));  // no screen gets it
  EXPECT_EQ(said(), std::vector<std::string>{"(hush)"});
  session.showOnly(14, 0);
  click(14, session.program().form(14)("Label1"));
  EXPECT_EQ(said(), std::vector<std::string>{});
  session.key({KeyName::Voice}, 0, 0);
  click(14, session.program().form(14)("Label1"));
  EXPECT_EQ(said(), std::vector<std::string>{"TROVA IL NUMERO CHE SEGUE"});
}

}  // namespace

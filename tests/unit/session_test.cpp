// Catches input held out of order or moves unmerged; a finger's tap, drag, long
// press or cancel mistaken; steps timed from when laid; a stale picture; a phrase
// not hushed or said when off; a press reaching another screen; a handler stopping all.
#include <gtest/gtest.h>

#include <stdexcept>

#include "draw/face_measure.h"
#include "session/gestures.h"
#include "session/rest.h"
#include "session/input_queue.h"
#include "session/session.h"
#include "session/timeline.h"
#include "shell/program.h"
#include "testing/probe.h"

using namespace session;
using shell::Button;
using shell::Control;
using Kind = PointerInput::Kind;

namespace {

PointerInput finger(Kind kind, double x = 5000) {
  return {kind, Button::Left, 40, x, 5000, true, 0, Device::Touch};
}

std::string kinds(const std::vector<PointerInput>& out) {
  std::string s;
  for (const PointerInput& p : out)
    s += std::string(p.button == Button::Right ? "R" : "L") + "PMRC"[int(p.kind)] + ";";
  return s;
}

TEST(InputQueue, HandsInputOnInOrderWithRunsOfMovesMerged) {
  InputQueue q;
  auto move = [](double x) {
    Input in{Input::Kind::Pointer};
    in.pointer = {Kind::Move, Button::Left, 0, x, 0};
    return in;
  };
  q.push({Input::Kind::Key});
  q.push(move(1));
  q.push(move(2));
  q.push(move(3));
  q.push({Input::Kind::Close});
  q.push(move(4));
  EXPECT_EQ(q.pop()->kind, Input::Kind::Key);
  EXPECT_EQ(q.pop()->pointer.x, 3);  // the latest place of the run
  EXPECT_EQ(q.pop()->kind, Input::Kind::Close);
  EXPECT_EQ(q.pop()->pointer.x, 4);  // a move after other input is its own
  EXPECT_FALSE(q.pop());
}

TEST(Gestures, AFingerTapsDragsPressesLongAndIsCancelled) {
  Gestures g;
  EXPECT_EQ(kinds(g.pointer(finger(Kind::Press), 0)), "");  // not yet a press
  EXPECT_EQ(kinds(g.pointer(finger(Kind::Release), 100)), "LP;LR;");  // a tap
  g.pointer(finger(Kind::Press), 1000);
  EXPECT_EQ(g.wakeAt(), 1000 + kLongPressMs);
  EXPECT_EQ(kinds(g.advance(1000 + kLongPressMs - 1)), "");
  EXPECT_EQ(kinds(g.advance(1000 + kLongPressMs)), "RP;");  // held still: the right button
  EXPECT_EQ(kinds(g.pointer(finger(Kind::Release), 1600)), "RR;");
  g.pointer(finger(Kind::Press), 2000);
  EXPECT_EQ(kinds(g.pointer(finger(Kind::Cancel), 2100)), "");  // nothing at all
  EXPECT_EQ(kinds(g.advance(5000)), "");
  g.pointer(finger(Kind::Press), 6000);
  EXPECT_EQ(kinds(g.pointer(finger(Kind::Move, 5000 + kTouchSlopTwips / 2), 6010)), "");  // within the slop
  const auto drag = g.pointer(finger(Kind::Move, 5000 + 2 * kTouchSlopTwips), 6020);
  EXPECT_EQ(kinds(drag), "LP;LM;");
  EXPECT_EQ(drag[0].x, 5000);  // the drag starts where the finger came down
  EXPECT_EQ(kinds(g.pointer(finger(Kind::Cancel), 6030)), "LC;");
  // A mouse's moves and release follow its press only.
  EXPECT_EQ(kinds(g.pointer({Kind::Move}, 7000)), "");
  EXPECT_EQ(kinds(g.pointer({Kind::Release}, 7000)), "");
  EXPECT_EQ(kinds(g.pointer({Kind::Press, Button::Left, 0, 0, 0, false}, 7000)), "");  // the margin
}

Frame picture(int n) {
  Frame f;
  f.picture = n;  // stands for what the picture shows
  return f;
}

TEST(Timeline, ThePictureDueIsTheLatestWhoseTimeHasComeFromWhenFirstAskedFor) {
  Timeline t;
  t.lay({picture(1), Pause{10}, picture(2), Pause{10}, picture(3), Chime{}}, 100, true);
  EXPECT_TRUE(t.busy(119));
  // The handler took long: the steps play from the first call, not from 100.
  t.rebase(400);
  EXPECT_EQ(t.due(400).frame->picture, 1u);
  EXPECT_FALSE(t.due(409).frame);
  EXPECT_EQ(t.wakeAt(), 410);
  const Timeline::Due last = t.due(425);  // the second picture is skipped
  EXPECT_EQ(last.frame->picture, 3u);
  ASSERT_EQ(last.sounds.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<Chime>(last.sounds[0]));
  EXPECT_FALSE(t.busy(420));
}

TEST(Timeline, TheEndOfAPhraseAtOnceHoldsNothingUpAndWaitingPhrasesAreDropped) {
  Timeline t;
  t.lay({Say{"k", "TROVA"}, picture(1)}, 100, true);
  t.hushNow(150);
  t.dropPhrases();
  t.rebase(160);
  EXPECT_EQ(t.wakeAt(), 150);
  const Timeline::Due due = t.due(160);
  ASSERT_TRUE(due.frame);  // the picture of 100, now
  ASSERT_EQ(due.sounds.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<Hush>(due.sounds[0]));
}

// A screen of our own whose handlers are what a test needs.
class Own : public shell::Screen {
 public:
  Own(shell::Program& p, int number, std::vector<Control> controls)
      : Screen(p, number, shell::Design{"own", 8595, shell::kNoColour, std::move(controls)}) {}
  using Screen::onClick;
  using Screen::onMouseDown;
  using Screen::show;
};

struct SessionTest : ::testing::Test {
  Still machine;
  const draw::FaceMeasure measure;
  Session session{machine, measure};
  Probe probe{session};

  void SetUp() override {
    session.start(0);
    session.advance(0);
  }
  Own& own(int number, std::vector<Control> controls) {
    auto p = std::make_unique<Own>(probe.program(), number, std::move(controls));
    Own& ref = *p;
    probe.program().install(std::move(p));
    return ref;
  }
  void click(int screen, const Control& c, double now = 0) {
    session.pointer({Kind::Press, Button::Left, screen, c.centreX(), c.centreY()}, now);
    session.pointer({Kind::Release, Button::Left, screen, c.centreX(), c.centreY()}, now);
  }
  std::vector<std::string> said() { return session::said(probe.takeAll()); }
};

// A failing handler is reported once and the program goes on.
TEST_F(SessionTest, APressBelongsToTheScreenItReachedAndOnlyThereAndAFailingHandlerIsReported) {
  Own& a = own(40, {shell::image("Door", shell::Picture::FaceHappy, 100, 100, 600, 600),
                    shell::label("Bad", 3000, 0, 1000, 1000)});
  Own& b = own(41, {shell::label("Mat", 0, 0, 3000, 3000)});
  std::string log;
  a.onMouseDown("Door", [&](Button, int, double, double) { a.show(41); });
  a.onClick("Door", [&] { log += "A;"; });
  a.onClick("Bad", [] { throw std::runtime_error("broken handler"); });
  b.onClick("Mat", [&] { log += "B;"; });
  probe.showOnly(40, 0);
  click(40, a("Bad"));
  click(40, a("Door"));
  EXPECT_EQ(probe.program().active()->number(), 41);
  EXPECT_EQ(log, "A;");  // the release went to the screen pressed, not to the one in front
  probe.showOnly(40, 0);
  click(41, b("Mat"));  // Form41 is not loaded: its press reaches nothing, nor does its release
  click(44, b("Mat"));  // nor does a screen that does not exist
  session.close(44, 0);
  EXPECT_EQ(log, "A;");
  EXPECT_EQ(machine.logged, std::vector<std::string>{"broken handler"});
  EXPECT_EQ(probe.loaded(44), nullptr);
  EXPECT_EQ(session.frame().window(44), nullptr);
}

// What is said when is the scenarios' (voice.scn); here what they cannot
// tell: the hush of a phrase and F2.
TEST_F(SessionTest, LeavingHushesThePhraseAndF2TurnsTheVoiceOff) {
  probe.showOnly(14, 0);
  EXPECT_EQ(said(), std::vector<std::string>{"TROVA IL NUMERO CHE SEGUE"});
  shell::Screen& s = probe.program().form(14);
  click(14, s("Label15"));  // back to the menu: the phrase stops
  EXPECT_EQ(said(), std::vector<std::string>{"(hush)"});
  // F2, the program's own key: the voice off, and the phrase waiting is never said
  probe.showOnly(14, 100);
  EXPECT_FALSE(session.key({KeyName::Voice}, 0, 100));
  EXPECT_EQ(session::said(session.advance(100)->sounds), std::vector<std::string>{"(hush)"});
  click(14, s("Label1"), 200);
  EXPECT_EQ(said(), std::vector<std::string>{});
  session.key({KeyName::Voice}, 0, 300);
  click(14, s("Label1"), 300);
  EXPECT_EQ(said(), std::vector<std::string>{"TROVA IL NUMERO CHE SEGUE"});
}

// The names said at a rest of the mouse: only once it has been still for
// the wait, once for each rest, nothing while it moves on, stopped by the
// child's next act, none with the voice off, and no wake once told.
TEST_F(SessionTest, AMouseAtRestSaysTheNameUnderItOnce) {
  probe.showOnly(5, 0);
  probe.takeAll();
  shell::Screen& s = probe.program().form(5);
  auto move = [&](const char* name, double now) {
    const Control& c = s(name);
    session.pointer({Kind::Move, Button::Left, 5, c.centreX(), c.centreY(), true, 0, Device::Mouse}, now);
  };
  auto sounds = [&](double now) {
    const Frame* f = session.advance(now);
    return f ? session::said(f->sounds) : std::vector<std::string>{};
  };
  move("Label1", 1000);
  move("Label2", 1300);  // across the menu without stopping
  EXPECT_EQ(sounds(1300 + kRestMs - 1), std::vector<std::string>{});
  EXPECT_EQ(session.wakeAt(), 1300 + kRestMs);
  EXPECT_EQ(sounds(1300 + kRestMs), std::vector<std::string>{"OPERAZIONI VARIE ENTRO IL 20"});
  EXPECT_EQ(session.wakeAt(), std::numeric_limits<double>::infinity());  // idle: nothing to time
  move("Label2", 3000);  // still on it: no second time
  EXPECT_EQ(sounds(4000), std::vector<std::string>{});
  move("Label1", 5000);
  EXPECT_EQ(sounds(6000), std::vector<std::string>{"OPERAZIONI VARIE ENTRO IL 9"});
  session.key({KeyName::Character, '1'}, 0, 6100);  // the child acts: the name stops
  EXPECT_EQ(sounds(6100), std::vector<std::string>{"(hush)"});
  session.key({KeyName::Voice}, 0, 7000);
  move("Label2", 7000);
  EXPECT_EQ(sounds(9000), std::vector<std::string>{});
}

}  // namespace

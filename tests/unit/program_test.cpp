// Catches a screen model giving the mouse to a control behind another, a click
// without its left press over the same control, typing into a locked box, a Tab
// sent before its handler ends, and a screen keeping its controls when unloaded.
#include <gtest/gtest.h>

#include "testing/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

// A screen of our own that records the events it gets.
class Probe : public Screen {
 public:
  Probe(Program& p, int number, std::vector<Control> controls)
      : Screen(p, number, Design{"probe", 8595, kNoColour, std::move(controls)}) {
    for (const Control& c : design().controls) {
      const std::string n = c.name;
      onClick(n, [this, n] { log += "Click " + n + ";"; });
      onGotFocus(n, [this, n] { log += "GotFocus " + n + ";"; });
      onKeyPress(n, [this, n](int& ch) {
        log += "KeyPress " + n + " " + std::to_string(ch) + ";";
        if (tabOnKey) sendTab();
      });
      onKeyUp(n, [this, n](int key, int) {
        log += "KeyUp " + n + " " + std::to_string(key) + " [" + (*this)(n).text + "];";
      });
      onMouseDown(n, [this, n](Button, int, double x, double y) {
        log += "MouseDown " + n + " " + std::to_string(int(x)) + "," + std::to_string(int(y)) + ";";
      });
    }
    onMouseDown("", [this](Button, int, double x, double y) {
      log += "MouseDown screen " + std::to_string(int(x)) + "," + std::to_string(int(y)) + ";";
    });
    onLoad([this] { log += "Load;"; ++loads; });
  }
  std::string log;
  int loads = 0;
  bool tabOnKey = false;
  void leaveTo(int n) { go(n); }
};

struct ModelTest : ::testing::Test {
  FakePlatform platform;
  Program program{platform};

  Probe& probe(int number, std::vector<Control> controls) {
    auto p = std::make_unique<Probe>(program, number, std::move(controls));
    Probe& ref = *p;
    program.install(std::move(p));
    return ref;
  }
  void click(int n, double x, double y) {
    program.mouseDown(n, Button::Left, x, y);
    program.mouseUp(n, Button::Left, x, y);
  }
};

TEST_F(ModelTest, EarlierControlsAreInFrontAndTextBoxesAboveAll) {
  Probe& s = probe(40, {label("Label1", 0, 0, 100, 100), image("Image1", Picture::FaceHappy, 50, 50, 100, 100),
                        textBox("Text1", 90, 90, 100, 100)});
  program.showOnly(40);
  click(40, 60, 60);    // label over image
  click(40, 120, 120);  // text box over image
  click(40, 140, 60);   // image alone
  click(40, 500, 500);  // nothing: the screen
  EXPECT_EQ(s.log,
            "Load;GotFocus Text1;Click Label1;Click Text1;MouseDown Image1 90,10;Click Image1;"
            "MouseDown screen 500,500;");
}

TEST_F(ModelTest, AClickNeedsPressAndLeftReleaseOverTheSameControl) {
  Probe& s = probe(40, {label("Label1", 0, 0, 100, 100), label("Label2", 200, 0, 100, 100)});
  program.showOnly(40);
  s.log.clear();
  program.mouseDown(40, Button::Left, 10, 10);
  program.mouseUp(40, Button::Left, 210, 10);
  program.mouseDown(40, Button::Right, 10, 10);
  program.mouseUp(40, Button::Right, 10, 10);
  EXPECT_EQ(s.log, "");
}

TEST_F(ModelTest, LockedBoxesIgnoreTypingAndSyntheticTabWaitsForTheHandler) {
  Probe& s = probe(40, {textBox("Text1", 0, 0, 10, 10).tab(0), textBox("Text2", 0, 20, 10, 10).tab(1)});
  program.showOnly(40);
  s("Text1").locked = true;
  s.tabOnKey = true;
  s.log.clear();
  program.key('4', 52);
  EXPECT_EQ(s("Text1").text, "");
  EXPECT_EQ(s.log, "KeyPress Text1 52;KeyUp Text1 52 [];GotFocus Text2;");
}

TEST_F(ModelTest, ScreensKeepTheirVariablesAcrossUnloadAndReloadTheirControls) {
  Probe& a = probe(40, {label("Label1", 0, 0, 10, 10)});
  probe(41, {});
  program.showOnly(40);
  a("Label1").caption = "changed";
  a.leaveTo(41);
  EXPECT_FALSE(a.loaded());
  a("Label1").caption = "dropped";  // an unloaded screen has nothing to write to
  program.unload(40);               // nothing happens twice
  program.show(40);
  EXPECT_EQ(a.loads, 2);
  EXPECT_EQ(a("Label1").caption, "");
  EXPECT_EQ(program.active()->number(), 40);
  EXPECT_EQ(program.loaded().size(), 2u);
}

}  // namespace

// The 99th question of the counting-sequence screens, which takes too many
// clicks for a scenario file: the count shows 0 and the score starts again.
#include <gtest/gtest.h>

#include "shell/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

struct NinetyNinth : ::testing::Test {
  FakePlatform platform;
  Program program{platform};

  Screen& screen() { return *program.active(); }
  void click(const std::string& name) {
    Control& c = screen()(name);
    const int n = screen().number();
    program.mouseDown(n, Button::Left, c.centreX(), c.centreY());
    program.mouseUp(n, Button::Left, c.centreX(), c.centreY());
  }
  void type(char ch) { program.key(ch, ch >= 'a' ? ch - 32 : ch); }
  // A question of "Numero seguente entro 10" with n = 4, answered.
  void question(char answer) {
    platform.queue(0.5);
    click("Label9");
    click("Text1");
    type(answer);
  }
};

TEST_F(NinetyNinth, NextNumberRestartsTheScoreShownAtTheNextRightAnswer) {
  program.showOnly(14);
  question('5');
  question('5');
  for (int i = 3; i <= 98; ++i) question('x');
  EXPECT_EQ(screen()("Label8").caption, "98");
  question('x');
  EXPECT_EQ(screen()("Label8").caption, "0");
  EXPECT_EQ(screen()("Label4").caption, "2");
  question('5');
  EXPECT_EQ(screen()("Label8").caption, "1");
  EXPECT_EQ(screen()("Label4").caption, "1");
}

TEST_F(NinetyNinth, PreviousAndNextSendsNoTabAtTheQuestionShownAsZero) {
  program.showOnly(17);
  for (int i = 1; i <= 98; ++i) question('x');
  EXPECT_EQ(program.focus()->name, "Text1");
  platform.queue(0.5);
  click("Label9");  // from Text1 a Tab would move on to Text2
  EXPECT_EQ(screen()("Label8").caption, "0");
  EXPECT_EQ(program.focus()->name, "Text1");
}

}  // namespace

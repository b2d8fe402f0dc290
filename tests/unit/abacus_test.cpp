// The abacus reading screen keeps two scores over one question count: the
// 99th question must restart both of them, not only the digits' one.
#include <gtest/gtest.h>

#include "shell/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

struct AbacusReadingTest : ::testing::Test {
  FakePlatform platform;
  Program program{platform};
  static constexpr int kForm = 6;

  Control& at(const char* name) { return program.form(kForm)(name); }
  void click(const char* name) {
    const Control& c = at(name);
    program.mouseDown(kForm, Button::Left, c.centreX(), c.centreY());
    program.mouseUp(kForm, Button::Left, c.centreX(), c.centreY());
  }
  void type(const std::string& keys) {
    for (char ch : keys) program.key(ch, ch);
  }
  // Draws three and answers it right at once in both boxes.
  void answerThree() {
    platform.queue(0.28);
    click("Label2");
    click("Text1");
    type("3");
    click("Text2");
    type("TRE");
    click("Label4");
  }
};

TEST_F(AbacusReadingTest, TheNinetyNinthQuestionRestartsBothScores) {
  program.start();
  program.showOnly(kForm);
  for (int q = 1; q <= 98; ++q) answerThree();
  ASSERT_EQ(at("Label22").caption, "98");
  ASSERT_EQ(at("Label12").caption, "98");
  ASSERT_EQ(at("Label8").caption, "98");

  platform.queue(0.28);
  click("Label2");
  EXPECT_EQ(at("Label22").caption, "0");
  EXPECT_EQ(at("Label18").caption, "0");
  // The right-answer displays keep the old count until the next right answer.
  EXPECT_EQ(at("Label12").caption, "98");
  EXPECT_EQ(at("Label8").caption, "98");
  click("Text1");
  type("3");
  click("Text2");
  type("TRE");
  click("Label4");
  EXPECT_EQ(at("Label12").caption, "1");
  EXPECT_EQ(at("Label8").caption, "1");
  EXPECT_EQ(platform.beeps, 0);
}

}  // namespace

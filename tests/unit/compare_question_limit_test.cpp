// The 99th question of the comparing and ordering screens: each screen
// starts its count again in its own way. Too many clicks for a scenario file.
#include <gtest/gtest.h>

#include "shell/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

struct QuestionLimit : ::testing::Test {
  FakePlatform platform;
  Program program{platform};
  int form = 0;

  void open(int n) {
    form = n;
    program.start();
    program.showOnly(n);
  }
  void click(const std::string& control) {
    const Control& c = program.form(form)(control);
    program.mouseDown(form, Button::Left, c.centreX(), c.centreY());
    program.mouseUp(form, Button::Left, c.centreX(), c.centreY());
  }
  std::string caption(const std::string& control) { return program.form(form)(control).caption; }

  // One comparing question with two equal numbers, answered with a sign.
  void compare(const std::string& sign) {
    platform.queue(0.5), platform.queue(0.5);
    click("Label1");
    click(sign);
  }
  // One ordering question with the numbers rising from slot 0 to slot 9,
  // placed all in the wanted order, or only the first one.
  void order(bool right, bool descending) {
    for (int d = 0; d < 10; ++d) platform.queue(d / 10.0 + 0.05);
    click("Label12");
    for (int k = 0; k < (right ? 10 : 1); ++k) {
      const int slot = descending ? 9 - k : k;
      click("Label" + std::to_string(slot == 0 ? 10 : slot));
    }
    click("Label16");
  }
};

TEST_F(QuestionLimit, Form10CountsThe99thAsQuestionOneAndEmptiesTheScore) {
  open(10);
  for (int q = 1; q < 99; ++q) compare("Label6");
  EXPECT_EQ(caption("Label12"), "98");
  platform.queue(0.5), platform.queue(0.5);
  click("Label1");
  EXPECT_EQ(caption("Label22"), "");
  EXPECT_EQ(caption("Label12"), "");
  click("Label6");
  EXPECT_EQ(caption("Label22"), "1");
  EXPECT_EQ(caption("Label12"), "1");
}

TEST_F(QuestionLimit, Form33ShowsQuestionZeroAndKeepsTheOldScoreUntilARightAnswer) {
  open(33);
  for (int q = 1; q < 99; ++q) compare("Label6");
  compare("Label5");  // wrong
  EXPECT_EQ(caption("Label22"), "0");
  EXPECT_EQ(caption("Label12"), "98");
  compare("Label6");
  EXPECT_EQ(caption("Label22"), "1");
  EXPECT_EQ(caption("Label12"), "1");
}

struct OrderingLimit : QuestionLimit, ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(OrderingLimit, ShowsQuestionZeroAndKeepsTheOldScoreUntilARightAnswer) {
  const auto [screen, descending] = GetParam();
  open(screen);
  for (int q = 1; q < 99; ++q) order(q % 2 == 0, descending);
  EXPECT_EQ(caption("Label20"), "49");
  order(false, descending);
  EXPECT_EQ(caption("Label23"), "0");
  EXPECT_EQ(caption("Label20"), "49");
  order(true, descending);
  EXPECT_EQ(caption("Label23"), "1");
  EXPECT_EQ(caption("Label20"), "1");
}

INSTANTIATE_TEST_SUITE_P(FourScreens, OrderingLimit,
                         ::testing::Values(std::pair{12, false}, std::pair{13, true},
                                           std::pair{35, false}, std::pair{36, true}));

}  // namespace

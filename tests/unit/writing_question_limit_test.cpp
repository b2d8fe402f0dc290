// The 99th question of a screen that scores digits and words apart: it
// shows 0 and restarts both right-answer counts. Too many rounds for a
// scenario file.
#include <gtest/gtest.h>

#include "shell/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

struct WordQuestionLimit : ::testing::Test {
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
  void type(const std::string& keys) {
    for (char k : keys) program.key(k, k);
  }
  std::string caption(const std::string& control) { return program.form(form)(control).caption; }
};

TEST_F(WordQuestionLimit, Form27RestartsTheDigitAndTheWordScore) {
  open(27);
  // The rod of 3, answered in digits and in words, both right or both wrong.
  auto question = [&](bool right) {
    platform.queue(0.35);
    click("Label15");
    click("Text1");
    type(right ? "3" : "4");
    click("Text2");
    type(right ? "TRE" : "TR");
    click("Label30");
  };
  for (int q = 1; q < 99; ++q) question(true);
  EXPECT_EQ(caption("Label13"), "98");
  EXPECT_EQ(caption("Label34"), "98");
  question(false);
  EXPECT_EQ(caption("Label22"), "0");
  EXPECT_EQ(caption("Label31"), "0");
  EXPECT_EQ(caption("Label13"), "98");
  EXPECT_EQ(caption("Label34"), "98");
  question(true);
  EXPECT_EQ(caption("Label13"), "1");
  EXPECT_EQ(caption("Label34"), "1");
}

}  // namespace

// Catches a 99th question (too many clicks for a scenario) not showing 0 and restarting
// every score (Form10: as question 1), a right count changed early, Form17's Tab at it.
#include <gtest/gtest.h>

#include <functional>

#include "testing/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

struct Limit;
using Question = std::function<void(Limit&, bool right)>;  // draws a question and answers it

struct Screen99 {
  int form;
  Question question;
  std::vector<const char*> counts, rights;  // question and right-answer displays
  int rightsBefore = 98;                    // after 98 questions answered by the row's pattern
};
void PrintTo(const Screen99& s, std::ostream* os) { *os << "Form" << s.form; }

struct Limit : ::testing::TestWithParam<Screen99> {
  FakePlatform platform;
  Program program{platform};
  int form = 0;

  void show(int n) {
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
  std::string caption(const char* control) { return program.form(form)(control).caption; }
};

// The rod (or beads) of 3, answered in digits and in words.
Question digitsAndWord(double draw, const char* next, const char* confirm) {
  return [=](Limit& t, bool right) {
    t.platform.queue(draw);
    t.click(next);
    t.click("Text1");
    t.type(right ? "3" : "4");
    t.click("Text2");
    t.type(right ? "TRE" : "TR");
    t.click(confirm);
  };
}
// Two equal numbers, answered with "=" or ">".
void compare(Limit& t, bool right) {
  t.platform.queue(0.5), t.platform.queue(0.5);
  t.click("Label1");
  t.click(right ? "Label6" : "Label5");
}
// Ten numbers rising from slot 0 to slot 9, placed all in order or only the
// first one (the four ordering screens are one with their data).
void order(Limit& t, bool right) {
  for (int d = 0; d < 10; ++d) t.platform.queue(d / 10.0 + 0.05);
  t.click("Label12");
  for (int k = 0; k < (right ? 10 : 1); ++k) t.click("Label" + std::to_string(k == 0 ? 10 : k));
  t.click("Label16");
}

const Screen99 kScreens[] = {
    {6, digitsAndWord(0.28, "Label2", "Label4"), {"Label22", "Label18"}, {"Label12", "Label8"}},
    {27, digitsAndWord(0.35, "Label15", "Label30"), {"Label22", "Label31"}, {"Label13", "Label34"}},
    {33, compare, {"Label22"}, {"Label12"}},
    {12, order, {"Label23"}, {"Label20"}, 49},
};

// Right answers throughout, or every other one for the ordering screens; the
// 99th answered wrong, the 100th right.
TEST_P(Limit, The99thShowsZeroAndRestartsEveryScore) {
  const Screen99& s = GetParam();
  show(s.form);
  for (int q = 1; q < 99; ++q) s.question(*this, s.rightsBefore == 98 || q % 2 == 0);
  for (const char* r : s.rights) ASSERT_EQ(caption(r), std::to_string(s.rightsBefore)) << r;
  s.question(*this, false);
  for (const char* c : s.counts) EXPECT_EQ(caption(c), "0") << c;
  for (const char* r : s.rights) EXPECT_EQ(caption(r), std::to_string(s.rightsBefore)) << r;
  s.question(*this, true);
  for (const char* c : s.counts) EXPECT_EQ(caption(c), "1") << c;
  for (const char* r : s.rights) EXPECT_EQ(caption(r), "1") << r;
}

INSTANTIATE_TEST_SUITE_P(Screens, Limit, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return "Form" + std::to_string(info.param.form); });

TEST_F(Limit, Form10CountsThe99thAsQuestionOneAndForm17SendsNoTabAtIt) {
  show(10);
  for (int q = 1; q < 99; ++q) compare(*this, true);
  EXPECT_EQ(caption("Label12"), "98");
  platform.queue(0.5), platform.queue(0.5);
  click("Label1");
  EXPECT_EQ(caption("Label22"), "");
  EXPECT_EQ(caption("Label12"), "");
  click("Label6");
  EXPECT_EQ(caption("Label22"), "1");
  EXPECT_EQ(caption("Label12"), "1");
  // From Text1 a Tab would move on to Text2.
  show(17);
  for (int q = 1; q < 99; ++q) {
    platform.queue(0.5);
    click("Label9");
    click("Text1");
    program.key('x', 'X');  // gives the chalk back
  }
  platform.queue(0.5);
  click("Label9");
  EXPECT_EQ(caption("Label8"), "0");
  EXPECT_EQ(program.focus()->name, "Text1");
}

}  // namespace

// "Numero precedente e numero seguente entro 10" at its 99th question, which
// takes too many clicks for a scenario file: the count shows 0, and no Tab is
// sent, so the focus stays where it was.
#include <gtest/gtest.h>

#include "shell/fake_platform.h"
#include "shell/program.h"

using namespace shell;

TEST(PreviousAndNext, NoTabAtTheQuestionShownAsZero) {
  FakePlatform platform;
  Program program{platform};
  program.showOnly(17);
  Screen& s = *program.active();
  auto click = [&](const char* name) {
    const Control& c = s(name);
    program.mouseDown(17, Button::Left, c.centreX(), c.centreY());
    program.mouseUp(17, Button::Left, c.centreX(), c.centreY());
  };
  for (int i = 1; i <= 98; ++i) {
    platform.queue(0.5);
    click("Label9");
    click("Text1");
    program.key('x', 'X');  // gives the chalk back
  }
  platform.queue(0.5);
  click("Label9");  // from Text1 a Tab would move on to Text2
  EXPECT_EQ(s("Label8").caption, "0");
  EXPECT_EQ(program.focus()->name, "Text1");
}

// Catches a "Chi sei?" with a child, picture or name missing or misplaced, the
// guest gone or a full class overlapping; a picture naming the child, not what it
// shows; a click choosing wrongly; a badge not showing who plays; a guest recorded.
#include <gtest/gtest.h>

#include <algorithm>

#include "draw/face_measure.h"
#include "record/klass.h"
#include "record/portraits.h"
#include "session/rest.h"
#include "session/session.h"
#include "shell/program.h"
#include "testing/probe.h"

using namespace session;
using shell::Button;
using shell::Control;
using Kind = PointerInput::Kind;

namespace {

struct ChooserTest : ::testing::Test {
  Still machine;
  const draw::FaceMeasure measure;
  Session session{machine, measure};
  Probe probe{session};
  double now = 0;

  // Opens the record on these children, with these portraits, and goes
  // from the title to "Chi sei?".
  shell::Screen& chooser(std::vector<record::Child> children) {
    record::Book book;
    for (const record::Child& c : children) book.add(c);
    session.openClass(book, 0);
    session.start(now);
    probe.takeAll();
    click(1, "Label1");
    return active(record::kChooser);
  }
  shell::Screen& active(int number) {
    shell::Screen* s = probe.program().active();
    EXPECT_TRUE(s && s->number() == number) << "Form" << (s ? s->number() : 0) << " is active";
    return *s;
  }
  void click(int screen, const char* name) {
    const Control& c = (*probe.program().active())(name);
    now = std::max(now, probe.idleAt());
    session.pointer({Kind::Press, Button::Left, screen, c.centreX(), c.centreY()}, now += 10);
    session.pointer({Kind::Release, Button::Left, screen, c.centreX(), c.centreY()}, now += 10);
  }
  std::vector<std::string> said() { return session::said(probe.takeAll()); }
  // What resting the mouse on the control says.
  std::vector<std::string> restOn(int screen, const char* name) {
    probe.takeAll();
    const Control& c = (*probe.program().active())(name);
    session.pointer({Kind::Move, Button::Left, screen, c.centreX(), c.centreY(), true, 0, Device::Mouse}, now += 10);
    probe.elapse(now += kRestMs + 1);
    return said();
  }
  bool recordedAnswer() {
    for (const record::Change& c : session.takeChanges())
      if (c.kind == record::Change::Kind::Row) return true;
    return false;
  }
};

TEST_F(ChooserTest, TheClassChoosesItsPictureAndTheBadgeShowsItUntilItLeadsBack) {
  shell::Screen& s = chooser({{"Anna", 2}, {"Bruno", 0}, {"Carla", 25}});
  EXPECT_EQ(said(), std::vector<std::string>{"CHI SEI?"});
  const shell::Picture expected[] = {shell::portrait(2), shell::portrait(0), shell::portrait(25)};
  const char* names[] = {"Anna", "Bruno", "Carla"};
  for (int i = 1; i <= 3; ++i) {
    const Control& pic = s("Bambino" + std::to_string(i));
    const Control& name = s("Nome" + std::to_string(i));
    EXPECT_TRUE(pic.visible && name.visible) << i;
    EXPECT_EQ(pic.picture, expected[i - 1]);
    EXPECT_EQ(name.caption, names[i - 1]);
    EXPECT_EQ(pic.toolTip, names[i - 1]);
    EXPECT_EQ(pic.pointer, shell::Pointer::Hand);
    // the name stands under its own picture
    EXPECT_GE(name.top, pic.top + pic.height);
    EXPECT_NEAR(name.centreX(), pic.centreX(), 1);
  }
  EXPECT_FALSE(s("Bambino4").visible);
  EXPECT_FALSE(s("Nome4").visible);
  EXPECT_FALSE(s("Avviso").visible);

  // the picture says what it shows, and so does the name under it
  EXPECT_EQ(restOn(44, "Bambino1"), std::vector<std::string>{"IL PESCE"});
  EXPECT_EQ(restOn(44, "Nome3"), std::vector<std::string>{"IL TRENO"});

  click(44, "Nome2");
  shell::Screen& menu = active(5);
  EXPECT_EQ(probe.loaded(44), nullptr);
  ASSERT_NE(menu.find(shell::Program::kBadge), nullptr);
  EXPECT_EQ(menu(shell::Program::kBadge).picture, shell::portrait(0));  // Bruno's
  click(5, shell::Program::kBadge);
  EXPECT_EQ(active(44)("Nome1").caption, "Anna");
}

// Every picture and name of a whole class, and the guest's, lies on the
// board below the question, clear of the chalk ledge, and of each other.
TEST_F(ChooserTest, AWholeClassFitsOnTheBoardWithNothingOverlapping) {
  std::vector<record::Child> all;
  for (int i = 0; i < record::kPortraitCount; ++i) all.push_back({"Bimbo" + std::to_string(i), i});
  shell::Screen& s = chooser(all);
  std::vector<const Control*> shown;
  for (const Control& c : s.controls())
    if (c.visible && (c.name.starts_with("Bambino") || c.name.starts_with("Nome") || c.name.starts_with("Ospite")))
      shown.push_back(&c);
  ASSERT_EQ(shown.size(), 2u * (record::kPortraitCount + 1));
  const Control& question = s("Domanda");
  for (const Control* c : shown) {
    EXPECT_GE(c->left, 210) << c->name;
    EXPECT_LE(c->left + c->width, 11670) << c->name;
    EXPECT_GE(c->top, question.top + question.height) << c->name;
    EXPECT_LE(c->top + c->height, 7740) << c->name;  // the chalk and the sponge below
    EXPECT_GE(c->height, c->kind == shell::Kind::Image ? 600 : 300) << c->name;  // big enough to tell apart
    for (const Control* d : shown)
      if (c < d)
        EXPECT_FALSE(c->left < d->left + d->width && d->left < c->left + c->width && c->top < d->top + d->height &&
                     d->top < c->top + c->height)
            << c->name << " over " << d->name;
  }
}

TEST_F(ChooserTest, AClassWithoutChildrenShowsOnlyTheGuestAndTellsTheTeacher) {
  shell::Screen& s = chooser({});
  EXPECT_FALSE(s("Bambino1").visible);
  EXPECT_TRUE(s("Ospite").visible);
  EXPECT_TRUE(s("Avviso").visible);
}

TEST_F(ChooserTest, TheGuestPlaysUnrecorded) {
  chooser({{"Anna", 0}});
  EXPECT_EQ(restOn(44, "Ospite"), std::vector<std::string>{"OSPITE"});
  click(44, "Ospite");
  EXPECT_EQ(active(5)(shell::Program::kBadge).picture, shell::Picture::Guest);
  probe.showOnly(14, now += 10);
  click(14, "Label9");                                   // a question: 4
  session.key({KeyName::Character, '5'}, 0, now += 10);  // the right answer
  probe.takeAll();
  EXPECT_EQ(probe.program().form(14)("Label2").caption, "4");
  EXPECT_FALSE(recordedAnswer());
}

}  // namespace

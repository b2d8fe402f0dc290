// Catches the teacher's screen opening before the year was held 3 s still (by
// mouse or finger), a wrong sum let in, the panel's changes out of order or
// unconfirmed, a wrong export, a note left unsaid, and pages losing children.
#include <gtest/gtest.h>

#include "draw/face_measure.h"
#include "record/teacher_table.h"
#include "session/session.h"
#include "shell/program.h"
#include "testing/probe.h"

using namespace session;
using shell::Button;
using Kind = PointerInput::Kind;
using Change = record::Change;

namespace {

struct TeacherTest : ::testing::Test {
  Still machine;  // every draw the middle: the gate's sum is "50 + 50 ="
  const draw::FaceMeasure measure;
  Session session{machine, measure};
  Probe probe{session};
  double now = 0;

  void SetUp() override {
    session.start(0);
    session.advance(0);
  }
  int active() { return probe.program().active()->number(); }
  shell::Control& control(int screen, const char* name) { return probe.program().form(screen)(name); }
  void pointer(Kind kind, const shell::Control& c, Device device = Device::Mouse, double dx = 0) {
    session.pointer({kind, Button::Left, 0, c.centreX() + dx, c.centreY(), true, 0, device}, now);
    session.advance(now);
  }
  void wait(double ms) {
    now += ms;
    session.advance(now);
  }
  void click(const char* name) {
    pointer(Kind::Press, control(45, name));
    pointer(Kind::Release, control(45, name));
  }
  void type(std::string_view text) {
    for (char c : text) session.key({KeyName::Character, static_cast<unsigned char>(c)}, 0, now);
    session.advance(now);
  }
  void key(KeyName k) {
    session.key({k}, 0, now);
    session.advance(now);
  }
  // The changes handed on since the last asking: kind, name, child, picture.
  std::vector<std::string> changes() {
    const char* kinds[] = {"row", "add", "rename", "remove", "erase", "export", "import", "on", "off"};
    std::vector<std::string> out;
    for (const Change& c : session.takeChanges())
      out.push_back(std::string(kinds[int(c.kind)]) + " " + c.name + " " + c.child.name + " " +
                    std::to_string(c.child.picture));
    return out;
  }
  void openPanel() {
    probe.showOnly(45, now);
    probe.takeAll();
    type("100");
    ASSERT_TRUE(control(45, "Stato").visible);
  }
};

TEST_F(TeacherTest, HoldingTheYearThreeSecondsOpensTheGateAndNothingShorterDoes) {
  const shell::Control year = control(1, "Label4");
  pointer(Kind::Press, year);
  wait(2900);
  pointer(Kind::Release, year);
  wait(1000);
  pointer(Kind::Press, year);
  pointer(Kind::Move, year, Device::Mouse, 2000);  // off the year, and back
  pointer(Kind::Move, year);
  wait(3500);
  pointer(Kind::Release, year);
  EXPECT_EQ(active(), 1);

  pointer(Kind::Press, year, Device::Touch);
  EXPECT_EQ(session.wakeAt(), now + 500);  // the long press first
  wait(500);
  EXPECT_EQ(session.wakeAt(), now + 2500);  // then the three seconds
  wait(2500);
  EXPECT_EQ(active(), 45);
  EXPECT_EQ(probe.loaded(1), nullptr);
  EXPECT_EQ(control(45, "Somma").caption, "50 + 50 =");
  EXPECT_TRUE(control(45, "Risposta").visible);
  EXPECT_FALSE(control(45, "Stato").visible);
  pointer(Kind::Release, year, Device::Touch);
  EXPECT_EQ(active(), 45);

  type("99");
  key(KeyName::Enter);  // judged at Enter, before the sum's length
  EXPECT_EQ(active(), 1);
  EXPECT_EQ(probe.loaded(45), nullptr);
}

TEST_F(TeacherTest, ThePanelHandsOnEveryChangeToTheClassInOrderAndErasesOnlyWhenConfirmed) {
  record::Book book;
  book.add(record::Child{"Carla", 0});
  record::Row row;
  row.child = "Carla";
  row.screen = 14;
  row.asked = "2026-12-08 09:14:03.120";
  row.shown = "4";
  row.given = "5";
  row.right = row.firstRight = true;
  book.add(row);
  session.openClass(book, 0);
  openPanel();
  EXPECT_EQ(control(45, "Stato").caption, "Registro di classe acceso");
  EXPECT_FALSE(control(45, "Registro").visible);  // the desktop cannot turn it off here

  type("Anna");  // the name box has the focus once the sum is right
  click("Aggiungi");
  type("Bruno");
  click("Aggiungi");
  click("Alunno2");  // Anna, written out in the box
  for (int i = 0; i < 4; ++i) key(KeyName::Backspace);
  type("Lia");
  click("Rinomina");
  click("Alunno3");
  click("Togli");
  click("ConfermaTogli");
  EXPECT_EQ(control(45, "Alunno3").visible, false);

  EXPECT_EQ(changes(), (std::vector<std::string>{"add  Anna 1", "add  Bruno 2", "rename Anna Lia 1", "remove Bruno  0"}));

  // What the store could not do and what an import brought are said at once.
  session.classTrouble("Registro non salvato: disco pieno");
  session.imported("Dora\n", now);
  session.advance(now);
  EXPECT_EQ(control(45, "Avvisi").caption, "Registro non salvato: disco pieno\nImportati: 1 bambino, 0 risposte");
  EXPECT_EQ(session.takeChanges().size(), 1u);  // Dora, added

  click("Esporta");
  const std::vector<Change> exported = session.takeChanges();
  ASSERT_EQ(exported.size(), 1u);
  EXPECT_EQ(exported[0].kind, Change::Kind::Export);
  EXPECT_EQ(exported[0].text, record::toCsv(book.rows()));
  EXPECT_EQ(exported[0].name, "registro-1970-01-01.csv");

  click("Cancella");
  click("Annulla");
  click("Cancella");
  EXPECT_TRUE(session.takeChanges().empty());
  click("Conferma");
  EXPECT_EQ(changes(), std::vector<std::string>{"erase   0"});
  EXPECT_FALSE(control(45, "Alunno1").visible);

  click("Esci");
  EXPECT_EQ(active(), 1);
}

TEST(TeacherTable, PagesGoDownTheExercisesThenOnToTheNextChildrenAndNoneIsLost) {
  record::Book book;
  for (int c = 0; c < 26; ++c) book.add(record::Child{"C" + std::to_string(c), c});
  for (int s = 0; s < 16; ++s) {
    record::Row r;
    r.child = "C" + std::to_string(s);
    r.screen = 3 + s * 2;  // screens 3 to 33
    r.asked = "2026-12-0" + std::to_string(1 + s % 9) + " 09:00:00.000";
    book.add(r);
  }
  const record::TablePage first = record::tablePage(book, 0, 4, 14);
  EXPECT_EQ(first.pages, 2 * 7);
  EXPECT_EQ(first.screens.front(), 3);
  EXPECT_EQ(first.screens.size(), 14u);
  EXPECT_EQ(first.children, (std::vector<std::string>{"C0", "C1", "C2", "C3"}));
  const record::TablePage rest = record::tablePage(book, 1, 4, 14);
  EXPECT_EQ(rest.screens, (std::vector<int>{31, 33}));
  EXPECT_EQ(rest.children, first.children);
  EXPECT_EQ(record::tablePage(book, 2, 4, 14).children.front(), "C4");
  const record::TablePage last = record::tablePage(book, 99, 4, 14);  // past the end: the last
  EXPECT_EQ(last.children, (std::vector<std::string>{"C24", "C25"}));
  EXPECT_EQ(last.screens.size(), 2u);
  EXPECT_EQ(record::tablePage(record::Book{}, 3, 4, 14).pages, 1);

  record::Figures f{8, 3, "2026-12-08"};
  EXPECT_EQ(record::cellText(f), "8   38%   08/12");
  EXPECT_EQ(record::cellText({}), "");
}

}  // namespace

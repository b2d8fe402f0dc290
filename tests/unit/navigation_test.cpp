// The navigation table: every menu entry opens its screen and closes the
// menu; every return label closes its screen and opens its menu or the main
// menu (and zeroes nothing it should not: the counters are the screens' own
// scenario files' business).
#include <gtest/gtest.h>

#include "testing/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

struct Link {
  int from;
  const char* control;
  int to;
};

// Menu within 10 and menu within 20; "Scrittura dei numeri in cifre" (Form9)
// keeps its menu open and is checked by the scenario files.
const Link kEntries[] = {
    {2, "Label2", 3},    {2, "Label3", 4},    {2, "Label25", 27},  {2, "Label4", 6},
    {2, "Label5", 7},    {2, "Label6", 8},    {2, "Label8", 10},   {2, "Label9", 11},
    {2, "Label21", 12},  {2, "Label22", 13},  {2, "Label11", 14},  {2, "Label12", 15},
    {2, "Label13", 16},  {2, "Label23", 17},  {2, "Label14", 18},  {2, "Label16", 19},
    {2, "Label15", 20},  {2, "Label17", 21},  {2, "Label18", 22},  {2, "Label24", 23},
    {2, "Label26", 5},   {24, "Label3", 25},  {24, "Label4", 26},  {24, "Label8", 28},
    {24, "Label7", 29},  {24, "Label9", 30},  {24, "Label10", 31}, {24, "Label11", 32},
    {24, "Label12", 33}, {24, "Label13", 34}, {24, "Label21", 35}, {24, "Label22", 36},
    {24, "Label14", 37}, {24, "Label16", 38}, {24, "Label17", 40}, {24, "Label23", 39},
    {24, "Label19", 41}, {24, "Label18", 42}, {24, "Label24", 43}, {24, "Label25", 5},
    {5, "Label1", 2},    {5, "Label2", 24},   {5, "Image1", 1},    {1, "Label1", 5},
};

// Each exercise screen's menu return label and main-menu return label.
struct Returns {
  std::vector<int> screens;
  const char* menuLabel;
  const char* mainLabel;
};
const Returns kReturns[] = {
    {{3}, "Label17", "Label41"},
    {{4, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, "Label15", "Label14"},
    {{6}, "Label25", "Label26"},
    {{11}, "Label23", "Label22"},
    {{12, 13}, "Label26", "Label25"},
    {{27}, "Label40", "Label41"},
    {{25}, "Label8", "Label9"},
    {{26}, "Label28", "Label27"},
    {{28, 29}, "Label40", "Label41"},
    {{30}, "Label18", "Label41"},
    {{31, 32}, "Label17", "Label41"},
    {{33, 37, 38, 39, 40, 41, 42, 43}, "Label15", "Label14"},
    {{34}, "Label23", "Label22"},
    {{35, 36}, "Label26", "Label25"},
};

// Clicks a control and says which screens are loaded afterwards.
std::vector<int> afterClick(int screen, const char* control) {
  FakePlatform platform;
  platform.fallBackTo(1);
  Program program(platform);
  program.start();
  program.showOnly(screen);
  const Control& c = program.form(screen)(control);
  program.mouseDown(screen, Button::Left, c.centreX(), c.centreY());
  program.mouseUp(screen, Button::Left, c.centreX(), c.centreY());
  std::vector<int> loaded;
  for (Screen* s : program.loaded()) loaded.push_back(s->number());
  return loaded;
}

TEST(Navigation, EveryEntryOpensItsScreenAndClosesTheMenu) {
  for (const Link& l : kEntries)
    EXPECT_EQ(afterClick(l.from, l.control), std::vector<int>{l.to})
        << "Form" << l.from << "." << l.control;
}

TEST(Navigation, EveryReturnLabelClosesItsScreen) {
  for (const Returns& r : kReturns)
    for (int screen : r.screens) {
      const int menu = screen < 24 || screen == 27 ? 2 : 24;
      EXPECT_EQ(afterClick(screen, r.menuLabel), std::vector<int>{menu}) << "Form" << screen;
      EXPECT_EQ(afterClick(screen, r.mainLabel), std::vector<int>{5}) << "Form" << screen;
    }
}

}  // namespace

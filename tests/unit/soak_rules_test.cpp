// The soak's own rules: a rule that is wrong either hides faults or makes
// the soak cry wolf at what the program is meant to do.
#include <gtest/gtest.h>

#include <set>

#include "../../tools/soak_rules.h"

namespace {

TEST(SoakRules, LoadedScreens) {
  using soak::illegalSet;
  // One screen; the menu within 10 behind "Scrittura dei numeri in cifre"
  // and the road on from its main-menu label.
  for (std::vector<int> ok : {std::vector<int>{}, {1}, {9}, {2, 9}, {9, 2}, {5, 2}, {24, 2}, {37, 2}, {2, 1}})
    EXPECT_FALSE(illegalSet(ok)) << ok.size();
  // Screens of the menu within 10 never stay beside it; no third screen.
  for (std::vector<int> bad : {std::vector<int>{14, 2}, {2, 3}, {14, 15}, {5, 24}, {9, 2, 5}})
    EXPECT_TRUE(illegalSet(bad)) << bad[0] << " " << bad[1];
  EXPECT_NE(illegalSet({14, 15})->find("Form14 Form15"), std::string::npos);
}

TEST(SoakRules, NumbersShownOnLabels) {
  auto shown = [](std::string caption, shell::Kind kind = shell::Kind::Label) {
    shell::Control c;
    c.kind = kind;
    c.caption = std::move(caption);
    return soak::badNumber(c).has_value();
  };
  for (const char* ok : {"0", "7", "20", "99", "", "-", "ESATTI", "2002/2003", "1 + 2"})
    EXPECT_FALSE(shown(ok)) << ok;
  for (const char* bad : {"-1", "07", "00", "100", "32767"}) EXPECT_TRUE(shown(bad)) << bad;
  EXPECT_FALSE(shown("-1", shell::Kind::TextBox));  // what the child typed is not checked
}

TEST(SoakRules, Counters) {
  auto bad = [](int q, int r, int t) {
    return soak::badScore({static_cast<int16_t>(q), static_cast<int16_t>(r), static_cast<int16_t>(t)})
        .has_value();
  };
  EXPECT_FALSE(bad(0, 0, 0));
  EXPECT_FALSE(bad(98, 98, 2));
  EXPECT_FALSE(bad(0, 1, 1));  // the 99th question answered right
  EXPECT_FALSE(bad(1, 2, 1));
  EXPECT_TRUE(bad(99, 0, 0));
  EXPECT_TRUE(bad(-1, 0, 0));
  EXPECT_TRUE(bad(3, 5, 1));
  EXPECT_TRUE(bad(3, -1, 1));
  EXPECT_TRUE(bad(3, 1, 3));

  // The real counter, driven past the reset, stays within the rule.
  frame::Score s;
  for (int i = 0; i < 250; ++i) {
    s.countQuestion();
    s.tries = 0;
    s.countTry();
    if (s.firstTry()) s.countRight();
    ASSERT_FALSE(soak::badScore(s)) << i;
  }
}

TEST(SoakRules, EveryKindOfKeyIsPressed) {
  std::set<std::string> seen;
  for (int kind = 0; kind < 1000; kind += 7)
    for (int which = 0; which < 60; ++which) {
      const soak::Key k = soak::randomKey(kind, which);
      const auto c = session::keyCodes(k.key);
      if (k.key.name == session::KeyName::Tab) seen.insert("tab");
      else if (!c) ADD_FAILURE() << "a key the screens never see: " << soak::describe(k);
      else if (c->keyCode >= 48 && c->keyCode <= 57 && c->character == c->keyCode) seen.insert("digit");
      else if (c->keyCode >= 96 && c->keyCode <= 105 && c->character == c->keyCode - 48) seen.insert("keypad");
      else if (c->keyCode >= 'A' && c->keyCode <= 'Z') seen.insert("letter");
      else if (c->character == 8) seen.insert("backspace");
      else if (c->keyCode == 16 && k.shift) seen.insert("shift");
      else if (c->character == 13) seen.insert("enter");
    }
  EXPECT_EQ(seen.size(), 7u);
}

}  // namespace

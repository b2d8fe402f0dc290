// What the soak checks and which keys it presses, as pure functions of what
// it sees, so that the rules themselves can be tested.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "frame/score.h"
#include "shell/control.h"

namespace soak {

// Screens that can stay loaded in front of the menu within 10: it is left
// open behind "Scrittura dei numeri in cifre" (Form9), and Form9's
// main-menu label leads on to the title screen, the main menu, the menu
// within 20 and its exercises with the menu within 10 still open behind.
inline bool canJoinMenu10(int n) { return n == 9 || n == 1 || n == 5 || (n >= 24 && n <= 43); }

// The loaded screens, front to back: one screen, or Form2 with one screen
// of the road above. A message if not.
inline std::optional<std::string> illegalSet(const std::vector<int>& loaded) {
  auto list = [&] {
    std::string s;
    for (int n : loaded) s += " Form" + std::to_string(n);
    return s;
  };
  if (loaded.size() <= 1) return std::nullopt;
  if (loaded.size() == 2) {
    const int other = loaded[0] == 2 ? loaded[1] : loaded[1] == 2 ? loaded[0] : 0;
    if (other != 0 && canJoinMenu10(other)) return std::nullopt;
  }
  return "illegal set of loaded screens:" + list();
}

// A label that shows a number shows 0 to 99, without sign or leading zero.
inline std::optional<std::string> badNumber(const shell::Control& c) {
  if (c.kind != shell::Kind::Label || c.caption.empty()) return std::nullopt;
  const std::string& t = c.caption;
  const size_t digits = t[0] == '-' ? 1 : 0;
  if (digits == t.size()) return std::nullopt;
  for (size_t i = digits; i < t.size(); ++i)
    if (t[i] < '0' || t[i] > '9') return std::nullopt;
  if (digits) return "shows a negative number \"" + t + "\"";
  if (t.size() > 1 && t[0] == '0') return "shows a leading zero \"" + t + "\"";
  if (t.size() > 2) return "shows a number over 99 \"" + t + "\"";
  return std::nullopt;
}

// The counters of an exercise round: the question counter shows 0 to 98,
// no more right answers than questions, give or take the 99th question,
// which counts as question 0 yet may be answered right (1 out of 0, then 2
// out of 1...), tries 0 to 2.
inline std::optional<std::string> badScore(const frame::Score& s) {
  const std::string all = " (questions " + std::to_string(s.questions) + ", right " +
                          std::to_string(s.right) + ", tries " + std::to_string(s.tries) + ")";
  if (s.questions < 0 || s.questions >= frame::kQuestionLimit) return "question counter out of 0..98" + all;
  if (s.right < 0 || s.right > s.questions + 1) return "right answers out of 0..questions + 1" + all;
  if (s.tries < 0 || s.tries > 2) return "try counter out of 0..2" + all;
  return std::nullopt;
}

// The return labels: "TORNA A MENU10", "VAI A MENU PRINCIPALE" and the like.
inline bool isReturnLabel(const shell::Control& c) {
  return c.kind == shell::Kind::Label &&
         (c.caption.rfind("TORNA A ", 0) == 0 || c.caption.rfind("VAI A ", 0) == 0);
}
inline bool isExit(const shell::Control& c) { return c.toolTip == "ESCI"; }

// A key as the toolkit delivers it: the character of KeyPress (0 for none),
// the key code of KeyUp, the shift state; or a Tab, which moves the focus.
struct Key {
  int ch = 0, code = 0, shift = 0;
  bool tab = false;
};

// Picks a key from two rolls in 0..999: what decides the kind of key (digits
// most often, as the answer boxes want) and what decides which one.
inline Key randomKey(int kind, int which) {
  if (kind < 350) return {'0' + which % 10, '0' + which % 10};                   // digit row
  if (kind < 450) return {'0' + which % 10, 96 + which % 10};                    // keypad
  if (kind < 650) {                                                              // letters
    const int i = which % 26;
    const bool upper = which / 26 % 2;
    return {(upper ? 'A' : 'a') + i, 'A' + i, upper ? 1 : 0};
  }
  if (kind < 700) {  // the accented vowels of the Italian keyboard
    static const int vowels[] = {0xE0, 0xE8, 0xE9, 0xEC, 0xF2, 0xF9};
    return {vowels[which % 6], 222};
  }
  if (kind < 800) return {8, 8};                                                 // Backspace
  if (kind < 860) return {0, 9, 0, true};                                        // Tab
  if (kind < 920) return {0, 16, 1};                                             // Shift alone
  if (kind < 970) return {13, 13};                                               // Enter
  static const int others[][2] = {{' ', 32}, {'-', 189}, {'+', 187}, {'.', 190}, {27, 27}};
  return {others[which % 5][0], others[which % 5][1]};
}

inline std::string describe(const Key& k) {
  std::string s = "char " + std::to_string(k.ch) + " code " + std::to_string(k.code);
  if (k.shift) s += " shift";
  return s;
}

}  // namespace soak

// What the soak checks and which keys it presses, as pure functions of what
// it sees, so that the rules themselves can be tested.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "frame/score.h"
#include "session/keys.h"
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

// A key as the child presses it, with the shift state; what it is worth to
// the screens is the session's one table of keys (session::keyCodes), and
// a Tab moves the focus.
struct Key {
  session::Key key;
  int shift = 0;
};

// Picks a key from two rolls in 0..999: what decides the kind of key (digits
// most often, as the answer boxes want) and what decides which one.
inline Key randomKey(int kind, int which) {
  using session::KeyName;
  auto typed = [](char32_t c, bool keypad = false, int shift = 0) {
    return Key{{KeyName::Character, c, keypad}, shift};
  };
  if (kind < 350) return typed(U'0' + which % 10);        // digit row
  if (kind < 450) return typed(U'0' + which % 10, true);  // keypad
  if (kind < 650) {                                       // letters
    const bool upper = which / 26 % 2;
    return typed((upper ? U'A' : U'a') + which % 26, false, upper ? session::kShift : 0);
  }
  if (kind < 700) return typed(U"àèéìòù"[which % 6]);  // the accented vowels of the Italian keyboard
  if (kind < 800) return {{KeyName::Backspace}};
  if (kind < 860) return {{KeyName::Tab}};
  if (kind < 920) return {{KeyName::Shift}, session::kShift};
  if (kind < 970) return {{KeyName::Enter}};
  if (which % 7 == 0) return {{KeyName::Escape}};
  const char32_t other = U" -+.%`"[which % 7 - 1];
  return typed(other, false, other == U'%' ? session::kShift : 0);
}

inline std::string describe(const Key& k) {
  if (k.key.name == session::KeyName::Tab) return "Tab";
  const session::KeyCodes c = session::keyCodes(k.key).value_or(session::KeyCodes{});
  std::string s = "char " + std::to_string(c.character) + " code " + std::to_string(c.keyCode);
  if (k.shift) s += " shift";
  return s;
}

}  // namespace soak

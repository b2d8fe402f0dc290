// The answer box's rules, as pure functions of the box's text and the
// expected answer: which keys pass, what a key does to a full box, and how a
// typed answer is judged. Faces, counters and beeps are the caller's.
#pragma once
#include <string>

namespace frame {

constexpr int kBackspace = 8;

// Key codes of the digit keys, main keyboard (48-57) and keypad (96-105).
inline bool isDigitKey(int keyCode) {
  return (keyCode >= 48 && keyCode <= 57) || (keyCode >= 96 && keyCode <= 105);
}

// Digits and Backspace pass; every other character is cancelled.
inline void filterDigits(int& ch) {
  if (!((ch >= '0' && ch <= '9') || ch == kBackspace)) ch = 0;
}

// A complete right answer cannot be changed or erased; a complete wrong one
// is emptied so that the key starts a new answer.
inline void guardAnswer(std::string& box, const std::string& expected, int& ch) {
  if (box.size() != expected.size()) return;
  if (box == expected)
    ch = 0;
  else
    box.clear();
}

enum class Verdict { Pending, Right, Wrong };

// Answers of one digit: every digit key judges the box.
inline Verdict judgePerKey(const std::string& box, const std::string& expected) {
  return box == expected ? Verdict::Right : Verdict::Wrong;
}

// Answers of one or two digits: judged once the box is as long as the answer.
inline Verdict judgeFullLength(const std::string& box, const std::string& expected) {
  if (box.size() != expected.size()) return Verdict::Pending;
  return box == expected ? Verdict::Right : Verdict::Wrong;
}

}  // namespace frame

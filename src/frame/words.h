// Numbers in Italian words, and the rules of a box where the child types a
// word: which letters pass (turned into capitals), the guard on a complete
// word, and judging the word as a whole. What a screen does with a verdict
// (faces, counters) is the screen's.
#pragma once
#include <string>
#include <string_view>

#include "answer.h"

namespace frame {

// "ZERO" to "VENTI", capitals without accents; "" outside 0 to 20.
std::string_view wordOf(long long n);

// The letters of "UNO" to "NOVE", and the same with Z (from "ZERO").
constexpr std::string_view kLettersWithin10 = "UNODETRQACISV";
constexpr std::string_view kLettersFull = "UNODETRQACISVZ";

// Backspace and the letters of the set, small or capital, pass; a small
// letter enters as its capital. Everything else is cancelled (ch = 0).
void filterLetters(int& ch, std::string_view letters);

// A word is right only if it is exactly the expected one.
inline bool wordIsRight(const std::string& box, std::string_view expected) { return box == expected; }

// A word box's KeyPress: the letter filter, then the guard on the whole
// word. A box that holds the right word refuses every key, Backspace
// included; a box as long as the word that holds another word is emptied,
// and the key, unless cancelled, starts a new word.
void typeLetter(int& ch, std::string& box, std::string_view letters, std::string_view expected);

// Confirming a word: right only if it is exactly the expected one, wrong
// otherwise (an empty or half-typed word included). Nothing is completed.
inline Verdict judgeWord(const std::string& box, std::string_view expected) {
  return wordIsRight(box, expected) ? Verdict::Right : Verdict::Wrong;
}

}  // namespace frame

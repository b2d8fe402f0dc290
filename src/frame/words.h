// Numbers in Italian words, and the rules of a box where the child types a
// word: which letters pass (turned into capitals), the guard on a complete
// word, and judging the word as a whole. What a screen does with a verdict
// (faces, counters) is the screen's.
#pragma once
#include <string>
#include <string_view>

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

}  // namespace frame

// The rules of a word box: which keys pass and as what, the guard on a
// whole word, and judging a confirmed word.
#include <gtest/gtest.h>

#include <string>

#include "frame/words.h"

namespace {

using frame::kLettersFull;
using frame::kLettersWithin10;

// Types the characters of keys into box as a word box does: each key goes
// through the filter and the guard, and what passes is appended.
std::string typeWord(std::string box, const std::string& keys, std::string_view letters,
                     std::string_view expected) {
  for (char k : keys) {
    int ch = static_cast<unsigned char>(k);
    frame::typeLetter(ch, box, letters, expected);
    if (ch == 8 && !box.empty()) box.pop_back();
    else if (ch != 0 && ch != 8) box += static_cast<char>(ch);
  }
  return box;
}

TEST(WordBox, SmallLettersEnterAsCapitals) {
  EXPECT_EQ(typeWord("", "uno", kLettersWithin10, "UNO"), "UNO");
  EXPECT_EQ(typeWord("", "qUaTtOrDiCi", kLettersFull, "QUATTORDICI"), "QUATTORDICI");
}

TEST(WordBox, OnlyTheLettersOfTheSetPass) {
  EXPECT_EQ(typeWord("", "Zz", kLettersWithin10, "ZERO"), "");
  EXPECT_EQ(typeWord("", "Zz", kLettersFull, "ZERO"), "ZZ");
  // Letters that no number word has, digits, a blank, an accented letter.
  EXPECT_EQ(typeWord("", "BFGHLMPbjkwxy5 \xE0\xC8", kLettersFull, "DICIASSETTE"), "");
  // Every letter of every word passes the full set.
  for (int n = 0; n <= 20; ++n) {
    const std::string w(frame::wordOf(n));
    EXPECT_EQ(typeWord("", w, kLettersFull, w), w) << n;
  }
  for (int n = 1; n <= 9; ++n) {
    const std::string w(frame::wordOf(n));
    EXPECT_EQ(typeWord("", w, kLettersWithin10, w), w) << n;
  }
}

TEST(WordBox, WholeRightWordRefusesEveryKey) {
  const std::string full = typeWord("", "TRE", kLettersFull, "TRE");
  EXPECT_EQ(full, "TRE");
  for (char k : std::string("E\bt")) EXPECT_EQ(typeWord(full, std::string(1, k), kLettersFull, "TRE"), "TRE");
}

TEST(WordBox, FullLengthWrongWordIsReplacedByTheNextKey) {
  EXPECT_EQ(typeWord("TER", "D", kLettersFull, "TRE"), "D");
  EXPECT_EQ(typeWord("TER", "\b", kLettersFull, "TRE"), "");
  // A cancelled key still empties it; the key itself does not go in.
  EXPECT_EQ(typeWord("TER", "B", kLettersFull, "TRE"), "");
  // Shorter and longer words are left to grow or shrink as typed.
  EXPECT_EQ(typeWord("TR", "\bE", kLettersFull, "TRE"), "TE");
}

TEST(WordBox, ConfirmedWordIsRightOnlyWhenWhole) {
  EXPECT_EQ(frame::judgeWord("SEI", "SEI"), frame::Verdict::Right);
  EXPECT_EQ(frame::judgeWord("SE", "SEI"), frame::Verdict::Wrong);
  EXPECT_EQ(frame::judgeWord("", "SEI"), frame::Verdict::Wrong);
  EXPECT_EQ(frame::judgeWord("sei", "SEI"), frame::Verdict::Wrong);
  EXPECT_EQ(frame::judgeWord("SEII", "SEI"), frame::Verdict::Wrong);
}

}  // namespace

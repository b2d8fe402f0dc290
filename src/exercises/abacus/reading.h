// The screens that show a number on the abacus and ask for it twice: in
// digits (judged as it is typed) and in words (judged when the child clicks
// the confirmation label). Two scores, one for each box, over one question
// count. The screen within 10 shows units only, in rod colours; the screen
// within 20 shows 10 to 20 with red tens beads and wants both digits.
#pragma once
#include "abacus.h"
#include "frame/exercise.h"

namespace abacus {

struct ReadingScreen {
  int number;
  double height;
  std::string instruction;
  std::string newQuestionTip;
  bool within20;
  Abacus abacus;
  // The words box.
  double wordsPoints, wordsLeft, wordsWidth;
  // Tops of the score lines: "ESATTI:", the right-answer displays, "SU",
  // the digits' and the words' question displays.
  double exactTop, rightTop, suTop, digitsCountTop, wordsCountTop;
  // Return labels: names and places.
  std::string menuReturn, mainMenuReturn;
  double menuReturnLeft, mainMenuReturnLeft, returnTop;
  bool thirdSpare;  // Label19, under the words' question display
};

class AbacusReading : public frame::Exercise {
 public:
  AbacusReading(shell::Program& p, const ReadingScreen& s);

  // The class record: the number on the abacus ("abaco 13"), the box being
  // judged, and the right answers of both scores.
  std::string question() override { return "abaco " + digitsExpected_; }
  std::string given() override { return judgingWords_ ? words().text : digits().text; }
  int rightCount() const override { return score.right + words_.right; }

 private:
  void load();
  void newQuestion();
  void showNumber();
  void digitsGotFocus();
  void digitsKeyUp(int key);
  void wordsGotFocus();
  void wordsKeyPress(int& ch);
  void confirm();
  void leaveTo(int target);

  shell::Control& digits() { return (*this)("Text1"); }
  shell::Control& words() { return (*this)("Text2"); }
  std::vector<std::string> scoreControls() const;
  std::vector<std::string> beads() const;  // tens beads first, then the unit beads

  const ReadingScreen& s_;
  long long drawn_ = 0;          // n within 10, the offset d from 10 within 20
  std::string digitsExpected_;   // E
  std::string wordExpected_;     // W
  frame::Score words_;           // its question count is the shared one in score
  int pairTries_ = 0;            // within 20: digit keys typed for this question
  bool judgingWords_ = false;    // the words box is being judged
};

}  // namespace abacus

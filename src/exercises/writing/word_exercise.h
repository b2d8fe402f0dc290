// The exercise frame of the screens where the child types a number in words
// and confirms it with a click: the word box's typing, its re-judging when it
// gets the focus again, and the confirmation, judged as a whole word and
// scored on its own counter. The frame's score keeps the question counter
// (and, on screens that also ask the digits, the digits' score); a question
// counted at the 99th restarts both scores, and a return label zeroes both.
#pragma once
#include <string_view>

#include "frame/exercise.h"
#include "frame/words.h"

namespace writing {

struct WordBox {
  std::string box;           // the text box where the word is typed
  std::string rightDisplay;  // where the word's right answers are shown
  std::string_view letters;  // the letter set that passes
};

class WordExercise : public frame::Exercise {
 public:
  WordExercise(shell::Program& p, int number, shell::Design design, frame::FrameControls frame,
               WordBox word);

  frame::Score wordScore;  // tries and right answers of the word

  // The class record: the box being judged, and the right answers of both
  // scores.
  std::string given() override;
  int rightCount() const override { return score.right + wordScore.right; }

 protected:
  shell::Control& wordBox() { return (*this)(word_.box); }
  // The question counter, with the reset at 99 of both scores.
  void countQuestion();
  // KeyPress on the word box: letters of the set as capitals, then the guard.
  void typeLetter(int& ch, std::string_view expected);
  // GotFocus of a box: its whole answer gets the happy face; an answer as
  // long as the expected one but different gets the sad face and the beep;
  // a shorter one changes nothing.
  void rejudge(const shell::Control& box, std::string_view expected);
  // The confirmation label: one more try at the word, the happy or the sad
  // face, and the word's right answer counted at the first try. The beep of
  // a wrong word is the screen's choice.
  frame::Verdict confirmWord(std::string_view expected);

 private:
  WordBox word_;
  const shell::Control* judging_ = nullptr;  // a box judged but the digits' one
};

}  // namespace writing

#include "word_exercise.h"

namespace writing {

using frame::Face;
using frame::Verdict;

WordExercise::WordExercise(shell::Program& p, int number, shell::Design design,
                           frame::FrameControls frame, WordBox word)
    : Exercise(p, number, std::move(design), frame), word_(std::move(word)) {
  // Both scores restart when the child leaves through a return label.
  onClick(frame.mainMenuReturn, [this] { wordScore.zero(); leave(frame::kMainMenu); });
  onClick(frame.menuReturn, [this, menu = frame.menu] { wordScore.zero(); leave(menu); });
}

void WordExercise::countQuestion() {
  score.countQuestion();
  if (score.questions == 0) wordScore.right = 0;
}

void WordExercise::typeLetter(int& ch, std::string_view expected) {
  frame::typeLetter(ch, wordBox().text, word_.letters, expected);
}

void WordExercise::rejudge(const shell::Control& box, std::string_view expected) {
  judging_ = &box;
  switch (frame::judgeFullLength(box.text, std::string(expected))) {
    case Verdict::Right: showFace(Face::Happy); break;
    case Verdict::Wrong: showFace(Face::Sad); beep(); break;
    case Verdict::Pending: break;
  }
  judging_ = nullptr;
}

Verdict WordExercise::confirmWord(std::string_view expected) {
  wordScore.countTry();
  const Verdict v = frame::judgeWord(wordBox().text, expected);
  judging_ = &wordBox();
  showFace(v == Verdict::Wrong ? Face::Sad : Face::Happy);
  judging_ = nullptr;
  if (v == Verdict::Wrong) return v;
  if (wordScore.firstTry()) {
    wordScore.countRight();
    (*this)(word_.rightDisplay).caption = shell::text(wordScore.right);
  }
  return v;
}

std::string WordExercise::given() { return judging_ ? judging_->text : answerBox().text; }

}  // namespace writing

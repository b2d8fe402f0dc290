#include "exercise.h"

namespace frame {

Exercise::Exercise(shell::Program& p, int number, shell::Design design, FrameControls frame)
    : Screen(p, number, std::move(design)), frame_(std::move(frame)) {
  onClick(frame_.exit, [this] { end(); });
  onClick(frame_.mainMenuReturn, [this] { leave(kMainMenu); });
  onClick(frame_.menuReturn, [this] { leave(frame_.menu); });
}

void Exercise::startQuestion() {
  answerBox().enabled = true;
  (*this)(frame_.newQuestion).enabled = false;
  score.countQuestion();
  showQuestionCount();
  answerBox().text.clear();
  score.tries = 0;
  showFace(Face::Neutral);
}

void Exercise::digitKeyPress(int& ch, const std::string& expected) {
  filterDigits(ch);
  guardAnswer(answerBox().text, expected, ch);
}

Verdict Exercise::judgeDigitKey(int keyCode, const std::string& expected, bool fullLength) {
  if (!isDigitKey(keyCode)) return Verdict::Pending;
  const std::string& box = answerBox().text;
  const Verdict v = fullLength ? judgeFullLength(box, expected) : judgePerKey(box, expected);
  if (v == Verdict::Pending) return v;
  score.countTry();
  if (v == Verdict::Right)
    right();
  else
    wrong();
  return v;
}

void Exercise::showFace(Face f) {
  (*this)(frame_.neutral).visible = f == Face::Neutral;
  (*this)(frame_.happy).visible = f == Face::Happy;
  (*this)(frame_.sad).visible = f == Face::Sad;
}

void Exercise::right() {
  showFace(Face::Happy);
  if (score.firstTry()) {
    score.countRight();
    (*this)(frame_.rightDisplay).caption = shell::text(score.right);
  }
}

void Exercise::wrong() {
  showFace(Face::Sad);
  beep();
}

void Exercise::leave(int target) {
  score.zero();
  go(target);
}

}  // namespace frame

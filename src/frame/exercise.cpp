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
  if (f != Face::Neutral)
    if (auto* e = program().extension()) e->judged(*this, f == Face::Happy);
}

std::string Exercise::given() {
  const shell::Control* box = find(frame_.answer);
  return box && box->visible ? box->text : std::string();
}

// The question is what the screen's handlers wrote since it was built:
// every visible caption and text that is not the design's, but the score's.
std::string Exercise::question() {
  std::string shown;
  for (const shell::Control& c : controls()) {
    if (!c.visible || c.is(frame_.answer) || c.is(frame_.rightDisplay) || c.is(frame_.questionDisplay)) continue;
    const shell::Control* designed = nullptr;
    for (const shell::Control& d : design().controls)
      if (d.name == c.name) designed = &d;
    const std::string& now = c.kind == shell::Kind::TextBox ? c.text : c.caption;
    if (!designed || now.empty() || now == (c.kind == shell::Kind::TextBox ? designed->text : designed->caption))
      continue;
    if (!shown.empty()) shown += ' ';
    shown += now;
  }
  return shown;
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

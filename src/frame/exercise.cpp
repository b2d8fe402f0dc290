#include "exercise.h"

#include <algorithm>
#include <vector>

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

void Exercise::showFace(Face f, bool answer) {
  (*this)(frame_.neutral).visible = f == Face::Neutral;
  (*this)(frame_.happy).visible = f == Face::Happy;
  (*this)(frame_.sad).visible = f == Face::Sad;
  if (f != Face::Neutral && answer) judgedWithoutFace(f == Face::Happy);
}

void Exercise::judgedWithoutFace(bool right) {
  if (auto* e = program().extension()) e->judged(*this, right);
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

std::string Exercise::onBoard(std::initializer_list<const char*> names) {
  constexpr double kRow = 600;  // controls whose middles are closer stand on one row
  std::vector<const shell::Control*> shown;
  for (const char* n : names)
    if (const shell::Control* c = find(n); c && c->visible) shown.push_back(c);
  std::stable_sort(shown.begin(), shown.end(), [](const shell::Control* a, const shell::Control* b) {
    const long ra = std::lround(a->centreY() / kRow), rb = std::lround(b->centreY() / kRow);
    return ra != rb ? ra < rb : a->left < b->left;
  });
  std::string out;
  for (const shell::Control* c : shown) {
    const std::string& t = c->kind == shell::Kind::TextBox ? "_" : c->caption;
    if (t.empty()) continue;
    out += (out.empty() ? "" : " ") + t;
  }
  return out;
}

std::string Exercise::typed(std::initializer_list<const char*> boxes) {
  std::string out;
  for (const char* n : boxes)
    if (const shell::Control* c = find(n); c && c->visible)
      out += (out.empty() ? "" : " ") + (c->text.empty() ? std::string("_") : c->text);
  return out;
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

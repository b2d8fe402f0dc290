#include "step_screen.h"

namespace sequence {

using namespace shell;

static Design designOf(const StepScreen& s) {
  frame::StandardLayout layout;
  layout.instruction = s.instruction;
  layout.within20 = s.within20;
  if (s.tallChalk) layout.chalkTop = 7680, layout.chalkHeight = 855;
  layout.rightDisplay = s.rightDisplay;
  layout.rightDisplayLeft = s.rightDisplayLeft;
  Design d{s.caption, s.height, kNoColour, frame::standardFrame(layout), frame::kInstruction};
  d.controls.push_back(frame::numberBox("Label2", s.numberLeft, 2280, s.designText));
  d.controls.push_back(frame::answerBox("Text1", s.answerLeft, 2280, s.designText, 2));
  if (s.upperLeft > 0) d.controls.push_back(frame::numberBox("Label12", s.upperLeft, 2280, s.designText));
  return d;
}

static frame::FrameControls frameOf(const StepScreen& s) {
  frame::FrameControls f;
  f.menu = s.within20 ? frame::kMenu20 : frame::kMenu10;
  return f;
}

NeighbourNumber::NeighbourNumber(Program& p, const StepScreen& s)
    : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
  onLoad([this] { disableAnswer(); });
  onClick("Label9", [this] { newQuestion(); });
  onKeyPress("Text1", [this](int& ch) {
    if (s_.reenableAtKeyPress) enableNewQuestion();
    digitKeyPress(ch, expected());
  });
  onKeyUp("Text1", [this](int key, int) {
    auto verdict = judgeDigitKey(key, expected(), s_.fullLength);
    if (!s_.reenableAtKeyPress && verdict != frame::Verdict::Pending) enableNewQuestion();
  });
}

void NeighbourNumber::newQuestion() {
  startQuestion();
  reseed();
  do n_ = draw(s_.drawCount, s_.drawFrom);
  while (n_ > s_.drawMax);
  (*this)("Label2").caption = text(n_);
  if (s_.upperLeft > 0) (*this)("Label12").caption = text(n_ + 2);
  if (s_.coloured) {
    frame::colour((*this)("Label2"), n_);
    if (s_.upperLeft > 0) frame::colour((*this)("Label12"), n_ + 2);
    frame::colour((*this)("Text1"), n_ + s_.step, frame::OneText::Black);
  }
}

}  // namespace sequence

#include "step_screen.h"

namespace sequence {

using namespace shell;

static Design designOf(const StepScreen& s) {
  frame::StandardLayout layout;
  layout.instruction = s.instruction;
  layout.within20 = s.within20;
  if (s.within20) layout.chalkTop = 7680, layout.chalkHeight = 855;
  layout.rightDisplay = s.rightDisplay;
  layout.rightDisplayLeft = s.rightDisplayLeft;
  Design d{s.caption, s.height, kNoColour, frame::standardFrame(layout)};
  d.controls.push_back(frame::numberBox("Label2", s.numberLeft, 2280, s.designText));
  d.controls.push_back(frame::answerBox("Text1", s.answerLeft, 2280, s.designText, 2));
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
  n_ = draw(s_.drawCount, s_.drawFrom);
  (*this)("Label2").caption = text(n_);
  if (s_.coloured) {
    frame::colour((*this)("Label2"), n_);
    frame::colour((*this)("Text1"), n_ + s_.step, frame::OneText::Black);
  }
}

}  // namespace sequence

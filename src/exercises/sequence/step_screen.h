// The screens that show one number and ask for its neighbour (the number
// that follows or that precedes it), or two numbers two apart and ask for
// the one in between: one or two number boxes, one answer box. What a
// screen draws, where its boxes stand and how it judges is data in the
// screen's own file.
#pragma once
#include "frame/colours.h"
#include "frame/exercise.h"
#include "frame/standard_layout.h"

namespace sequence {

struct StepScreen {
  int number;
  std::string caption;
  double height;
  std::string instruction;
  bool within20;
  bool tallChalk;         // Label9 975 x 855 at 480, 7680 instead of 975 x 735 at 480, 7800
  int step;               // +1 next number, -1 previous number
  int drawCount, drawFrom;  // n = drawFrom + floor(Next x drawCount)
  int drawMax = 20;       // n is drawn again while above this
  bool coloured;          // within 10: boxes in the rod colours
  bool fullLength;        // within 20: answers of two digits
  bool reenableAtKeyPress;
  double numberLeft, answerLeft;
  shell::Colour designText;
  std::string rightDisplay = "";  // Label4's design caption
  double rightDisplayLeft = 3120;
  double upperLeft = 0;   // Label12, the upper number n + 2; 0: no such box
};

class NeighbourNumber : public frame::Exercise {
 public:
  NeighbourNumber(shell::Program& p, const StepScreen& s);
  std::string question() override { return onBoard({"Label2", "Text1", "Label12"}); }

 private:
  void newQuestion();
  std::string expected() const { return shell::text(n_ + s_.step); }

  const StepScreen& s_;
  long long n_ = 0;
};

}  // namespace sequence

// The screens that show one number and ask for its neighbour (the number
// that follows or that precedes it): one number box, one answer box. What a
// screen draws, which side the answer is on and how it judges is data in the
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
  int step;               // +1 next number, -1 previous number
  int drawCount, drawFrom;  // n = drawFrom + floor(Next x drawCount)
  bool coloured;          // within 10: boxes in the rod colours
  bool fullLength;        // within 20: answers of two digits
  bool reenableAtKeyPress;
  double numberLeft, answerLeft;
  shell::Colour designText;
  std::string rightDisplay = "";  // Label4's design caption
  double rightDisplayLeft = 3120;
};

class NeighbourNumber : public frame::Exercise {
 public:
  NeighbourNumber(shell::Program& p, const StepScreen& s);

 private:
  void newQuestion();
  std::string expected() const { return shell::text(n_ + s_.step); }

  const StepScreen& s_;
  long long n_ = 0;
};

}  // namespace sequence

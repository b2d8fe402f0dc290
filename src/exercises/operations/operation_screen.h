// The screens that ask one addition or subtraction, a + b = or a - b =, with
// the answer box after the equals sign: in line (Form21 to Form23, Form41 to
// Form43) and with the rods drawn on the board (Form18 to Form20). How each
// screen draws its operands and how it judges is data in the screen's own
// file; the round itself is here.
//
// These screens depart from the common round: before the first question
// the question parts are hidden (the answer box too, which is never
// disabled), the question display is refreshed only when a digit is judged,
// and every key in the answer box enables the chalk again.
#pragma once
#include "frame/exercise.h"

namespace operations {

enum class Sign { Addition, Subtraction, Either };

// Both operands drawn together, again and again until the sum fits; the
// second addend is itself drawn again while it is above secondMax.
struct AdditionRule {
  int firstCount = 10, secondCount = 10, secondMax = 9, sumMax = 9;
};

// The minuend drawn once; the subtrahend drawn again while it is above it.
struct SubtractionRule {
  int firstCount = 10, secondCount = 10;
};

struct OperationRules {
  int number;
  Sign sign;
  AdditionRule addition{};
  SubtractionRule subtraction{};
  bool within20 = false;            // menu within 20, answers judged full-length
  bool rods = false;                // the question drawn as rods too
  bool showsWrongAdditions = false;  // Label13 counts wrong first answers
};

class Operation : public frame::Exercise {
 public:
  Operation(shell::Program& p, const OperationRules& r, shell::Design d);
  // The class record: "7 + 2 =".
  std::string question() override {
    return shell::text(operand1_) + (adding() ? " + " : " - ") + shell::text(operand2_) + " =";
  }

 private:
  enum : short { kSubtraction = 1, kAddition = 2 };

  void Load();
  void Label1_Click();
  void Text1_KeyPress(int& ch);
  void Text1_KeyUp(int key);

  void drawOperation();
  void drawOperands();
  void drawRods();
  void countWrongFirstTry();
  void leaveZeroingWrong(int target);
  bool adding() const { return operation_ == kAddition; }
  std::string expectedText() const { return shell::text(expected_); }
  void drawOnBoard(const shell::Box& b) { drawBox(b.left, b.top, b.width, b.height, b.colour, b.solid); }

  const OperationRules& r_;
  long long operand1_ = 0, operand2_ = 0, expected_ = 0;
  short operation_ = 0;  // 0 until the first question on the screens that draw it
  std::int16_t wrong_ = 0;  // wrong answers at the first attempt
};

}  // namespace operations

#include "operation_screen.h"

#include "rods.h"

namespace operations {

using namespace shell;

namespace {

// The parts of the question, hidden until the first one is drawn.
constexpr const char* kQuestionParts[] = {"Label3", "Label4", "Label5", "Label6", "Label10",
                                          "Label12", "Label20", "Label22", "Text1"};

frame::FrameControls frameOf(const OperationRules& r) {
  frame::FrameControls f;
  f.menu = r.within20 ? frame::kMenu20 : frame::kMenu10;
  f.newQuestion = "Label1";
  f.exit = "Label2";
  f.mainMenuReturn = "Label14";
  f.menuReturn = "Label15";
  f.rightDisplay = "Label12";
  f.questionDisplay = "Label22";
  return f;
}

}  // namespace

Operation::Operation(Program& p, const OperationRules& r, Design d)
    : Exercise(p, r.number, std::move(d), frameOf(r)), r_(r) {
  if (r.sign == Sign::Addition) operation_ = kAddition;
  if (r.sign == Sign::Subtraction) operation_ = kSubtraction;
  onLoad([this] { Load(); });
  onClick("Label1", [this] { Label1_Click(); });
  onKeyPress("Text1", [this](int& ch) { Text1_KeyPress(ch); });
  onKeyUp("Text1", [this](int key, int) { Text1_KeyUp(key); });
  onClick("Label14", [this] { leaveZeroingWrong(frame::kMainMenu); });
  onClick("Label15", [this] { leaveZeroingWrong(names().menu); });
}

void Operation::Load() {
  for (const char* part : kQuestionParts) (*this)(part).visible = false;
  for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
}

void Operation::Label1_Click() {
  if (r_.rods) clearDrawing();
  if (r_.sign == Sign::Either) {
    drawOperation();
    (*this)("Label4").caption = adding() ? "+" : "-";
  }
  showFace(frame::Face::Neutral);
  (*this)("Label1").enabled = false;
  answerBox().text.clear();
  score.tries = 0;
  score.countQuestion();
  if (score.questions == 0) wrong_ = 0;  // the 99th question restarts the score
  for (const char* part : kQuestionParts) (*this)(part).visible = true;
  reseed();
  drawOperands();
  (*this)("Label3").caption = text(operand1_);
  (*this)("Label5").caption = text(operand2_);
  if (r_.rods) drawRods();
}

// Subtraction and addition equally likely: a third value is drawn again.
// The generator is used as the previous question left it.
void Operation::drawOperation() {
  do operation_ = static_cast<short>(draw(3, 1));
  while (operation_ > kAddition);
}

void Operation::drawOperands() {
  if (adding()) {
    const AdditionRule& a = r_.addition;
    do {
      operand1_ = draw(a.firstCount);
      do operand2_ = draw(a.secondCount);
      while (operand2_ > a.secondMax);
    } while (operand1_ + operand2_ > a.sumMax);
    expected_ = operand1_ + operand2_;
  } else {
    const SubtractionRule& s = r_.subtraction;
    operand1_ = draw(s.firstCount);
    do operand2_ = draw(s.secondCount);
    while (operand2_ > operand1_);
    expected_ = operand1_ - operand2_;
  }
}

// Addition: the two addends side by side, the sum under them just as long.
// Subtraction: the subtrahend under the minuend, then what is left of it.
void Operation::drawRods() {
  if (adding()) {
    drawOnBoard(rod(operand1_, kRodsLeft, kFirstRow));
    drawOnBoard(rod(operand2_, after(operand1_), kFirstRow));
    drawOnBoard(rod(expected_, kRodsLeft, kSecondRow));
  } else {
    drawOnBoard(rod(operand1_, kRodsLeft, kFirstRow));
    drawOnBoard(rod(operand2_, kRodsLeft, kSecondRow));
    drawOnBoard(remainderBox(expected_, after(operand2_), kSecondRow));
  }
}

void Operation::Text1_KeyPress(int& ch) {
  enableNewQuestion();
  digitKeyPress(ch, expectedText());
}

void Operation::Text1_KeyUp(int key) {
  if (!frame::isDigitKey(key)) return;
  showQuestionCount();
  const auto verdict = judgeDigitKey(key, expectedText(), r_.within20);
  if (verdict == frame::Verdict::Wrong && score.firstTry()) countWrongFirstTry();
}

// Counted on every screen; shown only where asked, and only for additions,
// so the display keeps the total of the last wrong addition.
void Operation::countWrongFirstTry() {
  wrong_ = frame::add16(wrong_, 1);
  if (r_.showsWrongAdditions && adding()) (*this)("Label13").caption = text(wrong_);
}

void Operation::leaveZeroingWrong(int target) {
  wrong_ = 0;
  leave(target);
}

}  // namespace operations

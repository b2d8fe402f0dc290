// "Completa la decina con i regoli" (Form25): an orange ten-rod lies across
// the board; under it the rod of a number from 1 to 9 and, after it, the
// missing part as a remainder box. The child types how much is missing; the
// number is written under its rod and the answer box stands under the gap.
#include "frame/exercise.h"
#include "frame/standard_layout.h"
#include "rods.h"

namespace operations {
namespace {

using namespace shell;

constexpr Colour kOrange = 0x0080FF;
constexpr Colour kWindow = 0x80000005;      // the system's window colour
constexpr Colour kWindowText = 0x80000008;  // and its text colour
constexpr double kUnderRods = 4000;         // top of the number and the answer box

Design tenDesign() {
  return {"vaxo - Aritmetica  cl. I    Completa la decina con i regoli", 8445, 0xC0C0C0, {
      label("Label6", 240, 360, 11415, 975).withCaption("COMPLETA LA DECINA").withFont(18.75).centred(),
      label("Label3", kRodsLeft, kFirstRow, 10 * kRodUnit, kRodUnit).back(kOrange),
      label("Label4", 9240, 2160, 2175, 495).withCaption("10 = 1 da").withFont(24, "Arial", false),
      label("Label5", kRodsLeft, kUnderRods, 855, 855).withFont(36).centred(),
      textBox("Text1", 4775, kUnderRods, 855, 855).withFont(36).back(kWindow).fore(kWindowText).chalk(),
      label("Label10", 2280, 6240, 1335, 375).withCaption("ESATTI:").withFont(14.25),
      label("Label12", 3720, 6000, 615, 615).withFont(24).right(),
      label("Label13", 3720, 6600, 615, 615).withFont(24).right(),
      label("Label20", 5160, 6120, 495, 495).withCaption("SU").withFont(18).centred(),
      label("Label22", 5520, 6000, 855, 675).withFont(26.25).right(),
      image("Image1", Picture::FaceNeutral, 8520, 5520, 1200, 1185),
      image("Image2", Picture::FaceHappy, 8520, 5520, 1200, 1185),
      image("Image3", Picture::FaceSad, 8520, 5520, 1215, 1215),
      hotspot("Label1", 480, 7800, 1095, 735, ""),
      hotspot("Label2", 1800, 7800, 615, 735, "").says("ESCI"),
      label("Label9", 3480, 7440, 2895, 255).withCaption("VAI A MENU PRINCIPALE").centred().hand(),
      label("Label8", 7440, 7440, 1695, 255).withCaption("TORNA A MENU20").centred().hand(),
      label("Label7", 2640, 8040, 9015, 495).withCaption(frame::kFooter).centred(),
  }, "Label6"};
}

frame::FrameControls frameControls() {
  frame::FrameControls f;
  f.menu = frame::kMenu20;
  f.newQuestion = "Label1";
  f.exit = "Label2";
  f.mainMenuReturn = "Label9";
  f.menuReturn = "Label8";
  f.rightDisplay = "Label12";
  f.questionDisplay = "Label22";
  return f;
}

// Seen only from the first question on.
constexpr const char* kQuestionParts[] = {"Label10", "Label12", "Label3", "Label4",
                                          "Label5",  "Label20", "Label22", "Text1"};

class CompleteTen : public frame::Exercise {
 public:
  explicit CompleteTen(Program& p) : Exercise(p, 25, tenDesign(), frameControls()) {
    onLoad([this] { Load(); });
    onClick("Label1", [this] { Label1_Click(); });
    onClick("Label9", [this] { leaveZeroingWrong(frame::kMainMenu); });
    onClick("Label8", [this] { leaveZeroingWrong(frame::kMenu20); });
    onKeyPress("Text1", [this](int& ch) { digitKeyPress(ch, text(expected_)); });
    onKeyUp("Text1", [this](int key, int) { Text1_KeyUp(key); });
  }

  // The class record: the rod and the gap to the ten, "9 + _ = 10".
  std::string question() override { return text(operand2_) + " + _ = " + text(ten_); }

 private:
  void Load() {
    for (const char* part : kQuestionParts) (*this)(part).visible = false;
    for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
  }

  void Label1_Click() {
    (*this)("Label1").enabled = false;
    for (const char* part : kQuestionParts) (*this)(part).visible = true;
    showFace(frame::Face::Neutral);
    answerBox().text.clear();
    clearDrawing();
    score.countQuestion();
    if (score.questions == 0) wrong_ = 0;  // the 99th question restarts the score
    score.tries = 0;
    ten_ = 10;
    // Only a drawn 10 is drawn again, and every try reseeds.
    do {
      reseed();
      operand2_ = draw(10, 1);
    } while (operand2_ > 9);
    expected_ = ten_ - operand2_;
    (*this)("Label5").caption = text(operand2_);

    // The number's rod under the left end of the ten-rod, its figure under
    // the middle of the rod; the gap after it, the answer box under the gap.
    drawOnBoard(rod(operand2_, kRodsLeft, kSecondRow));
    (*this)("Label5").move((operand2_ * kRodUnit + 100) / 2, kUnderRods);
    drawOnBoard(remainderBox(expected_, after(operand2_), kSecondRow));
    answerBox().move(100 + operand2_ * kRodUnit + expected_ * kRodUnit / 2, kUnderRods);
  }

  // Only a digit key brings the chalk back: a letter or Backspace does not.
  void Text1_KeyUp(int key) {
    if (!frame::isDigitKey(key)) return;
    showQuestionCount();
    enableNewQuestion();
    const auto verdict = judgeDigitKey(key, text(expected_), false);
    if (verdict == frame::Verdict::Wrong && score.firstTry()) wrong_ = frame::add16(wrong_, 1);
  }

  void leaveZeroingWrong(int target) {
    wrong_ = 0;
    leave(target);
  }

  void drawOnBoard(const Box& b) { drawBox(b.left, b.top, b.width, b.height, b.colour, b.solid); }

  long long ten_ = 10, operand2_ = 0, expected_ = 0;
  std::int16_t wrong_ = 0;  // wrong answers at the first attempt, never shown
};

SCREEN(25, CompleteTen);

}  // namespace
}  // namespace operations

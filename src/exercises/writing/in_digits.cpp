// "Scrittura dei numeri in cifre": a number is shown in words and the child
// types it in digits. Within 10 (Form9, 1 to 9, judged at each digit, boxes
// in the rod colours) and within 20 (Form32, 0 to 19, judged once the answer
// has all its digits, nothing coloured). The question display is refreshed by
// the first key typed, not by the new question.
#include "frame/colours.h"
#include "frame/exercise.h"
#include "frame/words.h"
#include "layout.h"
#include "shell/program.h"

namespace writing {
namespace {

using namespace shell;

struct InDigits {
  int number;
  double height;
  bool within20;
  int drawCount;  // the number is floor(Next x drawCount) + drawFrom
  int drawFrom;
  bool coloured;
  bool fullLength;
  double wordLeft, wordWidth;
  Colour answerBack;
  std::string rightCaption;
  At mainMenu, menu;
};

const InDigits kForm9{
    .number = 9, .height = 8505, .within20 = false,
    .drawCount = 9, .drawFrom = 1,  // 1 to 9
    .coloured = true, .fullLength = false,
    .wordLeft = 1800, .wordWidth = 5280,
    .answerBack = kWhite,
    .rightCaption = "",
    .mainMenu = {"Label14", 3840, 7560}, .menu = {"Label15", 7800, 7560},
};

const InDigits kForm32{
    .number = 32, .height = 8175, .within20 = true,
    .drawCount = 20, .drawFrom = 0,  // 0 to 19: "VENTI" is never shown
    .coloured = false, .fullLength = true,
    .wordLeft = 840, .wordWidth = 6840,
    .answerBack = 0xC0E0FF,
    .rightCaption = "0",
    .mainMenu = {"Label41", 3600, 7440}, .menu = {"Label17", 6840, 7440},
};

Design designOf(const InDigits& s) {
  std::vector<Control> c{
      fixedText("Label3", "SCRIVI IN CIFRE IL NUMERO DATO", 18.75, 240, 840, 11415, 1095).centred(),
      label("Label4", s.wordLeft, 2400, s.wordWidth, 1335).withFont(48).back(0xC0E0FF)
          .fore(kButtonText).centred(),
      textBox("Text1", 7920, 2160, 1815, 1695).withFont(72).back(s.answerBack).fore(kButtonText)
          .chalk().tab(9),
  };
  auto score = scoreLine({.esatti = {"Label10", 2040, 5760}, .right = {"Label12", 3480, 5520},
                          .spare = {"Label13", 3480, 6120}, .su = {"Label20", 4920, 5640},
                          .question = {"Label22", 5280, 5520}, .rightCaption = s.rightCaption});
  c.insert(c.end(), score.begin(), score.end());
  auto f = faces(8280, 5040, FrontFace::Sad);
  c.insert(c.end(), f.begin(), f.end());
  c.push_back(hotspot("Label1", 480, 7680, 1095, 975, "DAMMI IL NUMERO IN LETTERE"));
  c.push_back(hotspot("Label2", 1800, 7800, 615, 735, "ESCI"));
  c.push_back(mainMenuLabel(s.mainMenu.name, s.mainMenu.left, s.mainMenu.top));
  c.push_back(menuLabel(s.menu.name, s.within20, s.menu.left, s.menu.top));
  c.push_back(footer("Label5", 2640, 8040, 9015, 495));
  return {"vaxo - Aritmetica  cl. I    Scrittura dei numeri in cifre", s.height, kNoColour, c, "Label3"};
}

frame::FrameControls frameOf(const InDigits& s) {
  return {.menu = s.within20 ? frame::kMenu20 : frame::kMenu10,
          .newQuestion = "Label1", .exit = "Label2",
          .mainMenuReturn = s.mainMenu.name, .menuReturn = s.menu.name,
          .answer = "Text1", .rightDisplay = "Label12", .questionDisplay = "Label22"};
}

class WritingInDigits : public frame::Exercise {
 public:
  WritingInDigits(Program& p, const InDigits& s) : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
    onLoad([this] {
      disableAnswer();
      for (auto face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
    });
    onClick("Label1", [this] { newQuestion(); });
    onKeyPress("Text1", [this](int& ch) {
      enableNewQuestion();
      showQuestionCount();
      digitKeyPress(ch, expected());
    });
    onKeyUp("Text1", [this](int key, int) { judgeDigitKey(key, expected(), s_.fullLength); });
  }

 private:
  std::string expected() const { return text(n_); }

  void newQuestion() {
    answerBox().enabled = true;
    (*this)("Label1").enabled = false;
    showFace(frame::Face::Neutral);
    score.tries = 0;
    score.countQuestion();  // shown only when the child types
    reseed();
    n_ = draw(s_.drawCount, s_.drawFrom);
    if (s_.coloured) {
      frame::colour((*this)("Label4"), n_);
      frame::colour(answerBox(), n_);
    }
    (*this)("Label4").caption = std::string(frame::wordOf(n_));
    answerBox().text.clear();
  }

  const InDigits& s_;
  long long n_ = 0;
};

SCREEN(9, WritingInDigits, kForm9);
SCREEN(32, WritingInDigits, kForm32);

}  // namespace
}  // namespace writing

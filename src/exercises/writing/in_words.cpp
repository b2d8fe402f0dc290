// "Scrittura dei numeri in lettere": a number is shown in digits and the
// child types it in words, then clicks "CONFERMA IL NUMERO IN LETTERE" to
// have it judged. Within 10 (Form8, 1 to 9, boxes in the rod colours, no Z)
// and within 20 (Form31, 0 to 19, nothing coloured, Z for "ZERO").
#include "frame/colours.h"
#include "layout.h"
#include "shell/program.h"
#include "word_exercise.h"

namespace writing {
namespace {

using namespace shell;

struct InWords {
  int number;
  std::string caption;
  double height;
  bool within20;
  int drawCount, drawFrom;  // the number is floor(Next x drawCount) + drawFrom
  bool coloured;
  std::string_view letters;
  double wordLeft, wordWidth;
  double confirmLeft, esattiLeft, rightLeft;
  std::string rightCaption;
  At mainMenu, menu;
};

const InWords kForm8{
    .number = 8,
    .caption = "vaxo - Aritmetica  cl. I    Scrittura dei numeri in lettere",
    .height = 8250, .within20 = false,
    .drawCount = 9, .drawFrom = 1,  // 1 to 9
    .coloured = true, .letters = frame::kLettersWithin10,
    .wordLeft = 4440, .wordWidth = 5275,
    .confirmLeft = 4920, .esattiLeft = 1800, .rightLeft = 3120, .rightCaption = "",
    .mainMenu = {"Label14", 4080, 7560}, .menu = {"Label15", 8040, 7560},
};

const InWords kForm31{
    .number = 31,
    .caption = "vaxo - Aritmetica  cl. I    Scrittura dei numeri in lettere ( entro 20 )",
    .height = 8235, .within20 = true,
    .drawCount = 20, .drawFrom = 0,  // 0 to 19: "VENTI" is never asked
    .coloured = false, .letters = frame::kLettersFull,
    .wordLeft = 3960, .wordWidth = 6960,
    .confirmLeft = 5160, .esattiLeft = 2040, .rightLeft = 3360, .rightCaption = "0",
    .mainMenu = {"Label41", 4080, 7560}, .menu = {"Label17", 7320, 7560},
};

Design designOf(const InWords& s) {
  std::vector<Control> c{
      fixedText("Label1", "SCRIVI IN LETTERE IL NUMERO DATO", 18.75, 0, 720, 11895, 615).centred(),
      label("Label2", 1800, 2280, 1815, 1695).withFont(72).back(0xC0E0FF).centred(),
      textBox("Text1", s.wordLeft, 2400, s.wordWidth, 1335).withFont(48).back(0xC0E0FF).chalk().tab(2).words(),
      fixedText("Label6", "CONFERMA IL NUMERO IN LETTERE", 12, s.confirmLeft, 4200, 4335, 375)
          .centred().hand(),
  };
  auto score = scoreLine({.esatti = {"Label10", s.esattiLeft, 5880}, .right = {"Label12", s.rightLeft, 5640},
                          .spare = {"Label13", 3000, 6120}, .su = {"Label20", 4440, 5760},
                          .question = {"Label22", 4920, 5640}, .rightCaption = s.rightCaption});
  c.insert(c.end(), score.begin(), score.end());
  auto f = faces(7320, 5280, FrontFace::Sad);
  c.insert(c.end(), f.begin(), f.end());
  c.push_back(hotspot("Label3", 480, 7680, 1095, 855, "DAMMI IL NUMERO IN CIFRE"));
  c.push_back(hotspot("Label4", 1800, 7800, 615, 735, "ESCI"));
  c.push_back(mainMenuLabel(s.mainMenu.name, s.mainMenu.left, s.mainMenu.top));
  c.push_back(menuLabel(s.menu.name, s.within20, s.menu.left, s.menu.top));
  c.push_back(footer("Label5", 2640, 8040, 9255, 495));
  return {s.caption, s.height, kNoColour, c, "Label1"};
}

frame::FrameControls frameOf(const InWords& s) {
  return {.menu = s.within20 ? frame::kMenu20 : frame::kMenu10,
          .newQuestion = "Label3", .exit = "Label4",
          .mainMenuReturn = s.mainMenu.name, .menuReturn = s.menu.name,
          .answer = "Text1", .rightDisplay = "Label12", .questionDisplay = "Label22"};
}

class WritingInWords : public WordExercise {
 public:
  WritingInWords(Program& p, const InWords& s)
      : WordExercise(p, s.number, designOf(s), frameOf(s), {"Text1", "Label12", s.letters}), s_(s) {
    onLoad([this] {
      (*this)("Label6").enabled = false;
      for (auto face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
      wordBox().locked = true;
      wordBox().enabled = false;
    });
    onClick("Label3", [this] { newQuestion(); });
    onKeyPress("Text1", [this](int& ch) {
      showFace(frame::Face::Neutral);
      // Every key, a cancelled one too, lets the child confirm again.
      (*this)("Label6").enabled = true;
      typeLetter(ch, expected());
    });
    onClick("Label6", [this] {
      enableNewQuestion();
      (*this)("Label6").enabled = false;
      if (confirmWord(expected()) == frame::Verdict::Wrong) beep();
    });
  }

 private:
  std::string_view expected() const { return frame::wordOf(n_); }

  void newQuestion() {
    wordBox().locked = false;
    wordBox().enabled = true;
    (*this)("Label3").enabled = false;
    showFace(frame::Face::Neutral);
    wordScore.tries = 0;
    countQuestion();
    showQuestionCount();
    reseed();
    n_ = draw(s_.drawCount, s_.drawFrom);
    (*this)("Label2").caption = text(n_);
    if (s_.coloured) {
      frame::colour((*this)("Label2"), n_);
      frame::colour(wordBox(), n_);
    }
    wordBox().text.clear();
  }

  const InWords& s_;
  long long n_ = 0;
};

SCREEN(8, WritingInWords, kForm8);
SCREEN(31, WritingInWords, kForm31);

}  // namespace
}  // namespace writing

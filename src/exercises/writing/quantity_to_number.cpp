// "Dalla quantità al numero in lettere e in cifre" (Form3): 1 to 9 white
// squares are shown and the child writes how many there are in digits
// (judged at each digit) and in words (judged at the confirmation). Each
// answer has its own score against one question counter; coming back into a
// box judges again what it holds.
#include <array>

#include "frame/colours.h"
#include "layout.h"
#include "shell/program.h"
#include "word_exercise.h"

namespace writing {
namespace {

using namespace shell;

constexpr int kSquares = 9;

Design form3Design() {
  std::vector<Control> c{
      fixedText("Label1", "SCRIVI  IN CIFRE E IN LETTERE IL NUMERO DELLE UNITÀ ", 18.75, 240, 600, 11415, 735)
          .centred(),
  };
  for (int i = 0; i < kSquares; ++i)
    c.push_back(shape("Shape" + std::to_string(i + 1), 1, 480 + 960 * (i % 3), 1680 + 960 * (i / 3), 735, 735)
                    .fill(kWhite));
  c.push_back(textBox("Text1", 3720, 2160, 1815, 1695).withFont(72).back(kWhite).fore(kBlack).chalk()
                  .tip("SCRIVI IL NUMERO IN CIFRE").tab(1));
  c.push_back(textBox("Text2", 5760, 2400, 5295, 1245).withFont(48).back(kWhite).fore(kBlack).chalk()
                  .tip("SCRIVI IL NUMERO IN LETTERE").tab(2).words());
  c.push_back(fixedText("Label4", "CONFERMA IL NUMERO IN LETTERE", 12, 6120, 3840, 4575, 495).centred().hand());
  c.push_back(fixedText("Label14", "NUMERI IN CIFRE", 15.75, 480, 4800, 3015, 375));
  c.push_back(fixedText("Label15", "NUMERI IN LETTERE", 15.75, 7200, 4800, 3495, 375));
  for (auto& row : {scoreLine({.esatti = {"Label10", 480, 6240}, .right = {"Label12", 1920, 6000},
                               .spare = {"Label13", 1920, 6600}, .su = {"Label20", 3240, 6120},
                               .question = {"Label22", 3720, 6000}}),
                    scoreLine({.esatti = {"Label6", 7200, 6120}, .right = {"Label8", 8760, 5880},
                               .spare = {"Label9", 8640, 6480}, .su = {"Label16", 9720, 6000},
                               .question = {"Label18", 10440, 5880}, .rightCaption = "0"})})
    c.insert(c.end(), row.begin(), row.end());
  auto f = faces(5400, 5880, FrontFace::Sad);
  c.insert(c.end(), f.begin(), f.end());
  c.push_back(hotspot("Label2", 480, 7680, 1095, 855, "DAMMI LE UNITÀ"));
  c.push_back(hotspot("Label3", 1680, 7680, 855, 855, "ESCI"));
  c.push_back(mainMenuLabel("Label41", 4080, 7440));
  c.push_back(menuLabel("Label17", false, 7320, 7440));
  c.push_back(footer("Label5", 2640, 8040, 9135, 375));
  return {"vaxo - Aritmetica  cl. I    Dalla quantità al numero in lettere e in cifre", 8595, kNoColour, c, "Label1"};
}

const frame::FrameControls kForm3Frame{
    .menu = frame::kMenu10, .newQuestion = "Label2", .exit = "Label3",
    .mainMenuReturn = "Label41", .menuReturn = "Label17",
    .answer = "Text1", .rightDisplay = "Label12", .questionDisplay = "Label22"};

// The score lines, hidden until the first question.
constexpr std::array kScoreLabels{"Label14", "Label10", "Label12", "Label13", "Label20", "Label22",
                                  "Label15", "Label6",  "Label8",  "Label9",  "Label16", "Label18"};

class QuantityToNumber : public WordExercise {
 public:
  explicit QuantityToNumber(Program& p)
      : WordExercise(p, 3, form3Design(), kForm3Frame, {"Text2", "Label8", frame::kLettersFull}) {
    onLoad([this] {
      for (auto name : {"Image1", "Image2", "Image3", "Text1", "Text2", "Label4", "Label8", "Label9",
                        "Label14", "Label10", "Label12", "Label13", "Label20", "Label22", "Label16", "Label18"})
        (*this)(name).visible = false;
      showSquares(0);
    });
    onClick("Label2", [this] { newQuestion(); });

    onGotFocus("Text1", [this] {
      showFace(frame::Face::Neutral);
      rejudge(answerBox(), digits());
    });
    onKeyPress("Text1", [this](int& ch) { digitKeyPress(ch, digits()); });
    onKeyUp("Text1", [this](int key, int) { judgeDigitKey(key, digits(), false); });

    onGotFocus("Text2", [this] {
      (*this)("Label4").visible = true;
      showFace(frame::Face::Neutral);
      rejudge(wordBox(), frame::wordOf(n_));
    });
    onKeyPress("Text2", [this](int& ch) {
      (*this)("Label4").visible = true;
      showFace(frame::Face::Neutral);
      (*this)("Label4").enabled = true;  // a cancelled key too
      typeLetter(ch, frame::wordOf(n_));
    });
    // A wrong word confirmed gets the sad face without the beep.
    onClick("Label4", [this] {
      enableNewQuestion();
      (*this)("Label4").enabled = false;
      confirmWord(frame::wordOf(n_));
    });
  }

 private:
  std::string question() override {
    return n_ < 1 ? std::string() : text(n_) + (n_ == 1 ? " quadretto" : " quadretti");
  }

  std::string digits() const { return text(n_); }

  void showSquares(long long count) {
    for (int i = 1; i <= kSquares; ++i) (*this)("Shape" + std::to_string(i)).visible = i <= count;
  }

  void newQuestion() {
    (*this)("Label2").enabled = false;
    (*this)("Label4").enabled = false;
    for (auto name : kScoreLabels) (*this)(name).visible = true;
    score.tries = wordScore.tries = 0;
    countQuestion();
    showQuestionCount();
    (*this)("Label18").caption = text(score.questions);
    // From the word box, where a confirmation leaves the focus, back to the digits.
    if (score.questions > 1) sendTab();
    for (Control* box : {&answerBox(), &wordBox()}) {
      box->text.clear();
      box->foreColor = kBlack;
    }
    showFace(frame::Face::Neutral);
    (*this)("Label4").visible = false;
    showSquares(0);
    reseed();
    do n_ = draw(9, 1); while (n_ < 1 || n_ > 9);
    frame::colour(answerBox(), n_, frame::OneText::Black);
    frame::colour(wordBox(), n_, frame::OneText::Black);
    showSquares(n_);
    answerBox().visible = wordBox().visible = true;
  }

  long long n_ = 0;
};

SCREEN(3, QuantityToNumber);

}  // namespace
}  // namespace writing

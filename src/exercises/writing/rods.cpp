// "Da 0 a 9" (Form27) and "Da 10 a 20" (Form28) "in cifre e in lettere con
// l'aiuto dei regoli": a coloured rod (on Form28 the orange ten rod and a
// unit rod) stands for a number, and the child writes it in digits (judged
// as soon as all its digits are typed) and in words (judged at the
// confirmation). "AIUTO" splits the rods into unit squares. Digits and word
// are scored apart against one question counter.
#include <vector>

#include "layout.h"
#include "shell/program.h"
#include "word_exercise.h"

namespace writing {
namespace {

using namespace shell;

constexpr Colour kTenRod = 0x0080FF;  // orange
// Rods 1 to 9; the 8 is browner than the dark red of the number colours.
constexpr Colour kRodColours[10] = {0,        0xFFFFFF, 0x0000FF, 0x80FF80, 0xFF80FF,
                                    0x00FFFF, 0x008000, 0x000000, 0x404080, 0xC00000};

struct Rods {
  int number;
  std::string caption;
  double height;
  std::string instruction;
  bool within20;
  int tens;            // the number shown is tens + the drawn value
  double rodLeft, rodTop, unit;  // unit rods: unit x k long, unit high
  std::vector<Control> extraRods;  // the rod of 0 (Form27) or the ten rods (Form28)
  std::vector<std::string> rods;     // index = the drawn value
  std::vector<Control> squares;      // unit squares 1, 2, ... in help order
  At digitBox, wordBox;
  double wordWidth;
  At confirm;
  double headingsTop;
  ScoreLine digitScore, wordScore;
  double faceLeft, faceTop;
  // Form28 judges the digits again when the box gets the focus, and keeps
  // "AIUTO" off until the first question; Form27 beeps at a wrong word as
  // soon as it is as long as the right one.
  bool rejudgeDigitsOnFocus, helpOnlyAfterQuestion, beepAtFullWrongWord;
};

Control rod(std::string name, double left, double top, double width, double height, Colour c) {
  return label(std::move(name), left, top, width, height).back(c).thinBorder();
}

Control square(std::string name, double left, double side) {
  // Bordered, so that the squares of the help can be counted one by one.
  return label(std::move(name), left, 3240, side, side).back(kWhite).thinBorder();
}

std::vector<Control> squaresAt(const std::vector<std::string>& names, const std::vector<double>& lefts,
                               double side) {
  std::vector<Control> s;
  for (size_t i = 0; i < names.size(); ++i) s.push_back(square(names[i], lefts[i], side));
  return s;
}

const std::vector<std::string> kUnitSquareNames{"Label18", "Label19", "Label21", "Label23", "Label24",
                                                "Label25", "Label26", "Label27", "Label28"};

Rods form27() {
  return {
      .number = 27,
      .caption = "vaxo - Aritmetica  cl. I   Da 0 a 9 in cifre e in lettere con l'aiuto dei regoli",
      .height = 8490,
      .instruction = "SCRIVI IN CIFRE E IN LETTERE IL VALORE DEL REGOLO",
      .within20 = false, .tens = 0,
      .rodLeft = 840, .rodTop = 2280, .unit = 855,
      // The rod of 0 is a thin grey bar.
      .extraRods = {rod("Label10", 840, 2400, 45, 735, kButtonFace).withCaption("Label10").fore(kButtonText)},
      .rods = {"Label10", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
               "Label9"},
      .squares = squaresAt(kUnitSquareNames, {840, 1670, 2520, 3382, 4238, 5105, 5962, 6830, 7680}, 855),
      .digitBox = {"Text1", 9480, 2280}, .wordBox = {"Text2", 8640, 3225}, .wordWidth = 3015,
      .confirm = {"Label30", 8640, 4320}, .headingsTop = 4920,
      .digitScore = {.esatti = {"Label11", 840, 6000}, .right = {"Label13", 2400, 5760},
                     .spare = {"Label14", 2280, 6360}, .su = {"Label20", 3720, 5880},
                     .question = {"Label22", 4080, 5760}, .rightCaption = "0"},
      .wordScore = {.esatti = {"Label36", 5640, 6000}, .right = {"Label34", 6960, 5760},
                    .spare = {"Label33", 6960, 6360}, .su = {"Label32", 8400, 5880},
                    .question = {"Label31", 8760, 5760}, .rightCaption = "0"},
      .faceLeft = 9720, .faceTop = 5280,
      .rejudgeDigitsOnFocus = false, .helpOnlyAfterQuestion = false, .beepAtFullWrongWord = true,
  };
}

Rods form28() {
  std::vector<std::string> names = kUnitSquareNames;
  std::vector<double> lefts;
  for (int i = 0; i < 9; ++i) lefts.push_back(240 + 480 * i);
  names.push_back("Label10"), lefts.push_back(4560);
  const double unitLefts[10] = {5040, 5520, 6000, 6480, 6990, 7480, 8000, 8495, 9000, 9480};
  for (int i = 0; i < 10; ++i) names.push_back("Label" + std::to_string(44 + i)), lefts.push_back(unitLefts[i]);
  return {
      .number = 28,
      .caption = "vaxo - Aritmetica  cl. I   Da 10 a 20 in cifre e in lettere con l'aiuto dei regoli",
      .height = 8505,
      .instruction = "SCRIVI IN CIFRE E IN LETTERE IL VALORE DEI REGOLI",
      .within20 = true, .tens = 10,
      .rodLeft = 5040, .rodTop = 2520, .unit = 495,
      // The second ten rod stands where the unit rod goes, and is never shown.
      .extraRods = {rod("Label42", 240, 2520, 4815, 495, kTenRod),
                    rod("Label43", 5040, 2520, 4935, 495, kTenRod).withCaption("Label43").fore(kButtonText)},
      .rods = {"Label42", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
               "Label9", "Label43"},
      .squares = squaresAt(names, lefts, 495),
      .digitBox = {"Text1", 10080, 2280}, .wordBox = {"Text2", 7560, 3960}, .wordWidth = 4095,
      .confirm = {"Label30", 8640, 4920}, .headingsTop = 5400,
      .digitScore = {.esatti = {"Label11", 960, 6480}, .right = {"Label13", 2280, 6240},
                     .spare = {"Label14", 2280, 6840}, .su = {"Label20", 3720, 6360},
                     .question = {"Label22", 4080, 6240}},
      .wordScore = {.esatti = {"Label36", 5640, 6480}, .right = {"Label34", 6960, 6240},
                    .spare = {"Label33", 6960, 6840}, .su = {"Label32", 8400, 6360},
                    .question = {"Label31", 8760, 6240}},
      .faceLeft = 9960, .faceTop = 6600,
      .rejudgeDigitsOnFocus = true, .helpOnlyAfterQuestion = true, .beepAtFullWrongWord = false,
  };
}

const Rods kForm27 = form27();
const Rods kForm28 = form28();

Design designOf(const Rods& s) {
  std::vector<Control> c{fixedText("Label17", s.instruction, 18.75, 240, 720, 11415, 495).centred()};
  for (int k = 1; k <= 9; ++k)
    c.push_back(rod("Label" + std::to_string(k), s.rodLeft, s.rodTop, s.unit * k, s.unit, kRodColours[k]));
  c.insert(c.end(), s.extraRods.begin(), s.extraRods.end());
  c.insert(c.end(), s.squares.begin(), s.squares.end());
  c.push_back(fixedText("Label29", "AIUTO", 14.25, 4080, 4320, 1095, 375).centred().hand());
  c.push_back(textBox(s.digitBox.name, s.digitBox.left, s.digitBox.top, 1335, 900).withFont(36)
                  .back(kWhite).fore(kBlack).chalk().tab(17));
  c.push_back(textBox(s.wordBox.name, s.wordBox.left, s.wordBox.top, s.wordWidth, 870).withFont(27.75)
                  .back(kWhite).fore(kBlack).chalk().tab(29).words());
  c.push_back(fixedText(s.confirm.name, "CONFERMA NUMERO IN LETTERE", 12, s.confirm.left, s.confirm.top, 3015, 615)
                  .centred().hand());
  c.push_back(fixedText("Label37", "NUMERI IN CIFRE", 15.75, 840, s.headingsTop, 3015, 375));
  c.push_back(fixedText("Label38", "NUMERI IN LETTERE", 15.75, 5520, s.headingsTop, 3495, 375));
  for (const auto& line : {scoreLine(s.digitScore), scoreLine(s.wordScore)}) c.insert(c.end(), line.begin(), line.end());
  auto f = faces(s.faceLeft, s.faceTop, FrontFace::Neutral);
  c.insert(c.end(), f.begin(), f.end());
  c.push_back(hotspot("Label15", 600, 7680, 855, 855, "DAMMI I REGOLI"));
  c.push_back(hotspot("Label16", 1800, 7800, 615, 735, "ESCI"));
  c.push_back(mainMenuLabel("Label41", 3720, 7560));
  c.push_back(menuLabel("Label40", s.within20, 7440, 7560));
  c.push_back(footer("Label39", 2640, 8040, 9015, 375));
  return {s.caption, s.height, kNoColour, c, "Label17"};
}

frame::FrameControls frameOf(const Rods& s) {
  return {.menu = s.within20 ? frame::kMenu20 : frame::kMenu10,
          .newQuestion = "Label15", .exit = "Label16",
          .mainMenuReturn = "Label41", .menuReturn = "Label40",
          .answer = "Text1", .rightDisplay = "Label13", .questionDisplay = "Label22"};
}

class RodsScreen : public WordExercise {
 public:
  RodsScreen(Program& p, const Rods& s)
      : WordExercise(p, s.number, designOf(s), frameOf(s), {"Text2", "Label34", frame::kLettersFull}), s_(s) {
    onLoad([this] {
      (*this)("Label30").enabled = false;
      if (s_.helpOnlyAfterQuestion) (*this)("Label29").enabled = false;
      hideRodsAndSquares();
      for (Control* box : {&answerBox(), &wordBox()}) box->text.clear(), box->enabled = false;
    });
    onClick("Label15", [this] { newQuestion(); });
    onClick("Label29", [this] { showSquares(); });

    if (s_.rejudgeDigitsOnFocus) onGotFocus("Text1", [this] { rejudge(answerBox(), digits()); });
    onKeyPress("Text1", [this](int& ch) { digitKeyPress(ch, digits()); });
    onKeyUp("Text1", [this](int key, int) { judgeDigits(key); });

    onGotFocus("Text2", [this] {
      showFace(frame::Face::Neutral);
      rejudge(wordBox(), word());
    });
    onKeyPress("Text2", [this](int& ch) {
      showFace(frame::Face::Neutral);
      typeLetter(ch, word());
    });
    onKeyUp("Text2", [this](int, int) {
      (*this)("Label30").enabled = true;
      (*this)("Label15").enabled = false;
      showFace(frame::Face::Neutral);
      const std::string& typed = wordBox().text;
      if (s_.beepAtFullWrongWord && typed.size() == word().size() && typed != word()) beep();
    });
    // A wrong word confirmed gets the sad face without the beep.
    onClick("Label30", [this] {
      (*this)("Label30").enabled = false;
      enableNewQuestion();
      confirmWord(word());
      (*this)("Label31").caption = text(score.questions);
    });
  }

 private:
  // The rods on the board: "regolo 8", "regoli 10 e 8".
  std::string question() override { return (s_.tens > 0 ? "regoli 10 e " : "regolo ") + text(v_); }

  long long shown() const { return s_.tens + v_; }
  std::string digits() const { return text(shown()); }
  std::string_view word() const { return frame::wordOf(shown()); }

  void hideRodsAndSquares() {
    for (const auto& name : s_.rods) (*this)(name).visible = false;
    for (const auto& sq : s_.squares) (*this)(sq.name).visible = false;
  }

  void showSquares() {
    for (long long i = 0; i < shown() && i < static_cast<long long>(s_.squares.size()); ++i)
      (*this)(s_.squares[i].name).visible = true;
  }

  void newQuestion() {
    answerBox().enabled = wordBox().enabled = true;
    (*this)("Label30").enabled = false;
    (*this)("Label15").enabled = false;
    if (s_.helpOnlyAfterQuestion) (*this)("Label29").enabled = true;
    wordScore.tries = 0;
    digitTries_ = 0;
    showFace(frame::Face::Neutral);
    answerBox().text.clear();
    wordBox().text.clear();
    countQuestion();  // the question displays wait for the answers
    hideRodsAndSquares();
    reseed();
    do v_ = draw(10); while (v_ > 9);
    (*this)(s_.rods[0]).visible = s_.tens > 0;  // the ten rod
    (*this)(s_.rods[v_]).visible = true;
  }

  // The digits are judged once they are all typed. The question display and
  // the first-attempt count go with the digit key that completes the first
  // answer: the first key within 10, the second within 20.
  void judgeDigits(int key) {
    if (!frame::isDigitKey(key)) return;
    const int firstAnswer = static_cast<int>(digits().size());
    if (digitTries_ <= firstAnswer) ++digitTries_;
    if (digitTries_ == firstAnswer) showQuestionCount();
    switch (frame::judgeFullLength(answerBox().text, digits())) {
      case frame::Verdict::Right:
        showFace(frame::Face::Happy);
        if (digitTries_ == firstAnswer) {
          score.countRight();
          (*this)("Label13").caption = text(score.right);
        }
        break;
      case frame::Verdict::Wrong: wrong(); break;
      case frame::Verdict::Pending: break;
    }
  }

  const Rods& s_;
  long long v_ = 0;
  int digitTries_ = 0;  // stops one past the first complete answer
};

SCREEN(27, RodsScreen, kForm27);
SCREEN(28, RodsScreen, kForm28);

}  // namespace
}  // namespace writing

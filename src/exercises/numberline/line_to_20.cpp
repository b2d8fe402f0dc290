// "Linea dei numeri da O a 20": 21 marks, a box under each. A round gives
// some boxes their numbers and locks them; the child fills in the others,
// each box showing a face as it is typed, and confirms once no box is empty.
// Nothing is coloured and there is no beep: the confirmation only counts the
// round.
#include "line_layout.h"

namespace numberline {
namespace {

using namespace shell;

constexpr int kMarks = 21;  // 0 to 20
constexpr int kDraws = 21;
constexpr int kGivenCount = 20, kGivenMax = 20;  // d = floor(Next x 20), 0 to 19

double markX(int k) { return 1200 + 480 * k; }
std::string boxName(int k) { return "Text" + text(k + 1); }
std::string markName(int k) {
  if (k == 0) return "Line10";
  return "Line" + text(k < 10 ? k : k + 2);  // Line11 is the line itself
}

Design designOf() {
  Design d{"vaxo - Aritmetica  cl. I    Linea dei numeri da O a 20", 8370, kNoColour, {}, kInstruction};
  auto& c = d.controls;
  c.push_back(line("Line11", 1200, 2640, 10800, 2640).border(kWhite, 3));
  for (int k = 0; k < kMarks; ++k)
    c.push_back(line(markName(k), markX(k), 2400, markX(k), 3000).border(kWhite, 3));
  for (int k = 0; k < kMarks; ++k) {
    Control b = textBox(boxName(k), 960 + 480 * k, 3000, 495, 555).withFont(18).chalk();
    if (k < 10) {
      b.tab(k);
    } else {
      b.tab(22 + (k - 10));
      b.align = Align::Left;
    }
    c.push_back(std::move(b));
  }
  for (Control& f : lineFrame({.instruction = "INSERISCI I NUMERI MANCANTI",
                               .within20 = true,
                               .rightDisplayLeft = 4440,
                               .rightDisplay = "0"}))
    c.push_back(std::move(f));
  return d;
}

class NumberLineTo20 : public frame::Exercise {
 public:
  explicit NumberLineTo20(Program& p) : Exercise(p, 34, designOf(), lineFrameControls(true)) {
    onLoad([this] { load(); });
    onClick("Label2", [this] { newRound(); });
    onClick("Label14", [this] { confirm(); });
    for (int k = 0; k < kMarks; ++k) {
      onClick(boxName(k), [this] { showFace(frame::Face::Neutral); });
      onKeyPress(boxName(k), [this, k](int& ch) {
        frame::filterDigits(ch);
        // A right number is frozen; a wrong one is corrected with Backspace.
        if (box(k).text == text(k)) ch = 0;
      });
      onKeyUp(boxName(k), [this, k](int, int) { keyUp(k); });
    }
  }

 private:
  // The class record: the line as given ("0 _ 2 ..."), the whole line
  // confirmed is the answer.
  std::string question() override { return line(true); }
  std::string given() override { return line(false); }
  std::string line(bool lockedOnly) {
    std::string out;
    for (int k = 0; k < kMarks; ++k) {
      const Control& b = box(k);
      out += (k ? " " : "") + (b.text.empty() || (lockedOnly && !b.locked) ? std::string("_") : b.text);
    }
    return out;
  }

  Control& box(int k) { return (*this)(boxName(k)); }

  void load() {
    (*this)("Label14").enabled = false;
    for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
    for (int k = 0; k < kMarks; ++k) box(k).visible = false;
  }

  void newRound() {
    (*this)(names().neutral).visible = true;
    score.tries = 0;
    score.countQuestion();
    showQuestionCount();
    for (int k = 0; k < kMarks; ++k) {
      box(k).visible = true;
      box(k).locked = false;
      box(k).text.clear();
    }
    (*this)(names().newQuestion).enabled = false;
    reseed();
    // Draws may repeat, so 1 to 20 boxes are given; 20 never is.
    for (int i = 0; i < kDraws; ++i) {
      long long d;
      do d = draw(kGivenCount);
      while (d > kGivenMax);
      box(d).text = text(d);
      box(d).locked = true;
    }
  }

  // Every key, in a given box too, shows the face the box earns, without a
  // beep. A two-digit box says nothing until it holds two characters.
  void keyUp(int k) {
    const std::string& t = box(k).text;
    if (t == text(k))
      showFace(frame::Face::Happy, false);
    else if (k < 10 || t.size() == 2)
      showFace(frame::Face::Sad, false);
    if (emptyBoxes() == 0) (*this)("Label14").enabled = true;
  }

  int emptyBoxes() {
    int empty = 0;
    for (int k = 0; k < kMarks; ++k)
      if (box(k).text.empty()) ++empty;
    return empty;
  }

  void confirm() {
    score.countTry();
    bool all = true;
    for (int k = 0; k < kMarks; ++k) all = all && box(k).text == text(k);
    if (all && score.firstTry()) score.countRight();
    judgedWithoutFace(all);
    (*this)(names().rightDisplay).caption = text(score.right);
    (*this)("Label14").enabled = false;
    (*this)(names().newQuestion).enabled = true;
  }
};

SCREEN(34, NumberLineTo20);

}  // namespace
}  // namespace numberline

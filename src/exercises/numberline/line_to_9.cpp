// "Linea dei numeri da O a 9": ten marks in their rod colours, a box under
// each. A round opens one box, with its number written above its mark; the
// first key typed into a box opens another box at random and the focus jumps
// there. Once all ten are open the child confirms the whole line, which is
// the round's one answer.
#include <array>
#include <cstdint>

#include "frame/colours.h"
#include "line_layout.h"

namespace numberline {
namespace {

using namespace shell;

constexpr int kMarks = 10;
// The first key of the tenth box brings the count of opened boxes one past
// the ten there are: the line is complete.
constexpr int kLineComplete = kMarks + 1;

double markX(int k) { return 1200 + 1080 * k; }
// Mark 0 has the tenth of each kind of control.
std::string nameFor(const char* kind, int k) { return kind + text(k == 0 ? kMarks : k); }
std::string boxName(int k) { return nameFor("Text", k); }
std::string markName(int k) { return nameFor("Line", k); }
std::string captionName(int k) { return "Label" + text(k + 4); }

Design designOf() {
  Design d{"vaxo - Aritmetica  cl. I    Linea dei numeri da O a 9", 8595, kNoColour, {}, kInstruction};
  auto& c = d.controls;
  c.push_back(line("Line11", 1200, 2640, 10920, 2640).border(kWhite, 3));
  for (int k = 0; k < kMarks; ++k)
    c.push_back(line(markName(k), markX(k), 2280, markX(k), 2880).border(kWhite, 3));
  for (int k = 0; k < kMarks; ++k)
    c.push_back(label(captionName(k), 960 + 1080 * k, 1800, 495, 495)
                    .withCaption(text(k)).withFont(18).centred());
  for (int k = 0; k < kMarks; ++k)
    c.push_back(textBox(boxName(k), 840 + 1080 * k, 3000, 735, 870)
                    .withFont(36).chalk().tab(k == 0 ? 9 : k - 1));
  for (Control& f : lineFrame({.instruction = "INSERISCI I NUMERI RICHIESTI",
                               .within20 = false,
                               .rightDisplayLeft = 4320}))
    c.push_back(std::move(f));
  return d;
}

class NumberLineTo9 : public frame::Exercise {
 public:
  explicit NumberLineTo9(Program& p) : Exercise(p, 11, designOf(), lineFrameControls(false)) {
    onLoad([this] { load(); });
    onClick("Label2", [this] { newRound(); });
    onClick("Label14", [this] { confirm(); });
    for (int k = 0; k < kMarks; ++k)
      onKeyPress(boxName(k), [this, k](int& ch) { keyPress(k, ch); });
  }

 private:
  // The class record: the line with the number told ("_ _ _ 3 _ ..."), and
  // the boxes as confirmed.
  std::string question() override {
    std::string out;
    for (int k = 0; k < kMarks; ++k) out += (k ? " " : "") + (numberCaption(k).visible ? text(k) : std::string("_"));
    return out;
  }
  std::string given() override {
    std::string out;
    for (int k = 0; k < kMarks; ++k) out += (k ? " " : "") + (box(k).text.empty() ? std::string("_") : box(k).text);
    return out;
  }

  Control& box(int k) { return (*this)(boxName(k)); }
  Control& numberCaption(int k) { return (*this)(captionName(k)); }

  void load() {
    (*this)("Label14").enabled = false;
    for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
    for (int k = 0; k < kMarks; ++k) {
      (*this)(markName(k)).borderColor = frame::rodColour(k)->fill;
      frame::colour(box(k), k);
      box(k).visible = false;
      numberCaption(k).visible = false;
    }
  }

  void newRound() {
    (*this)(names().neutral).visible = true;
    score.tries = 0;
    score.countQuestion();
    showQuestionCount();
    placed_ = 0;
    for (int k = 0; k < kMarks; ++k) {
      box(k).locked = false;
      box(k).text.clear();
      numberCaption(k).visible = false;
      keys_[k] = 0;
    }
    shown_ = 0;
    (*this)(names().newQuestion).enabled = false;
    for (int k = 0; k < kMarks; ++k) box(k).visible = false;
    reseed();
    mark_ = draw(kMarks);
    box(mark_).visible = true;
    shown_ = 1;
    box(mark_).tabIndex = 1;
    // Only the first box of a round tells its number.
    numberCaption(mark_).visible = true;
  }

  void keyPress(int k, int& ch) {
    const std::string expected = text(k);
    frame::filterDigits(ch);
    if (keys_[k] < 2) ++keys_[k];  // only whether it is 1 matters
    if (keys_[k] == 1) openAnotherBox();
    frame::guardAnswer(box(k).text, expected, ch);
    if (shown_ == kLineComplete) {
      (*this)(names().newQuestion).enabled = true;
      (*this)("Label14").enabled = true;
    }
  }

  // Any key, even one the filter cancels, is a box's first key.
  void openAnotherBox() {
    ++shown_;
    reseed();
    // With the line complete the mark drawn is already open: it only takes
    // the last place in the tab order, and the Tab lands on it.
    do mark_ = draw(kMarks);
    while (shown_ <= kMarks && box(mark_).visible);
    box(mark_).visible = true;
    box(mark_).tabIndex = shown_;
    sendTab();
  }

  void confirm() {
    placed_ = 0;
    (*this)("Label14").enabled = false;
    for (int k = 0; k < kMarks; ++k)
      if (box(k).text == text(k)) ++placed_;
    if (placed_ == kMarks)
      showFace(frame::Face::Happy);
    else
      wrong();
    score.countTry();
    if (score.firstTry() && placed_ == kMarks) {
      score.countRight();
      (*this)(names().rightDisplay).caption = text(score.right);
    }
  }

  long long mark_ = 0;
  std::int16_t shown_ = 0;
  std::int16_t placed_ = 0;
  std::array<std::int16_t, kMarks> keys_{};
};

SCREEN(11, NumberLineTo9);

}  // namespace
}  // namespace numberline

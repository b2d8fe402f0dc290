// "Numero precedente e numero seguente": the child types, in two boxes, the
// number before and the number after the one shown. A question counts when
// both boxes have been found right in their own way; each box is judged
// again whenever it is clicked, gets the focus or sees a key released.
//
// The two screens differ in how strict they are. Within 10 only the first
// digit typed into a box can make it right for the score, and anything but
// the right number in a box (an empty box too) gets the sad face and a beep.
// Within 20 a box counts the first time it holds its number, however many
// wrong tries came before, and an answer of the wrong length is left alone.
#include "frame/colours.h"
#include "frame/exercise.h"
#include "frame/standard_layout.h"

namespace sequence {
namespace {

using namespace shell;

struct TwoBoxScreen {
  int number;
  std::string caption;
  bool within20;
  int drawCount;  // n = 1 + floor(Next x drawCount)
  int drawMax;    // n is drawn again while above this
  bool coloured;
  bool strict;    // within 10: see the file's comment
  Colour designText;
  double rightDisplayLeft;
};

const TwoBoxScreen kForm17{
    .number = 17,
    .caption = "vaxo - Aritmetica  cl. I    Numero precedente e numero seguente entro 10",
    .within20 = false,
    .drawCount = 9,
    .drawMax = 8,  // 1 to 8: both neighbours stay within 0 to 9
    .coloured = true,
    .strict = true,
    .designText = kWhite,
    .rightDisplayLeft = 3120,
};

const TwoBoxScreen kForm39{
    .number = 39,
    .caption = "vaxo - Aritmetica  cl. I    Numero precedente e numero seguente entro 20",
    .within20 = true,
    .drawCount = 19,
    .drawMax = 19,  // 1 to 19
    .coloured = false,
    .strict = false,
    .designText = kBlack,
    .rightDisplayLeft = 3000,
};

Design designOf(const TwoBoxScreen& s) {
  frame::StandardLayout layout;
  layout.instruction = "TROVA IL NUMERO CHE PRECEDE E IL NUMERO CHE SEGUE";
  layout.within20 = s.within20;
  layout.rightDisplayLeft = s.rightDisplayLeft;
  Design d{s.caption, 8595, kNoColour, frame::standardFrame(layout), frame::kInstruction};
  d.controls.front().height = 735;  // Label1, taller than on the other screens
  d.controls.push_back(frame::answerBox("Text1", 1320, 2280, s.designText, 1));
  d.controls.push_back(frame::numberBox("Label2", 4800, 2280, s.designText));
  d.controls.push_back(frame::answerBox("Text2", 8400, 2280, s.designText, 2));
  return d;
}

frame::FrameControls frameOf(const TwoBoxScreen& s) {
  frame::FrameControls f;
  f.menu = s.within20 ? frame::kMenu20 : frame::kMenu10;
  return f;
}

class PreviousAndNext : public frame::Exercise {
 public:
  PreviousAndNext(Program& p, const TwoBoxScreen& s)
      : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
    onLoad([this] {
      (*this)("Text1").enabled = false;
      (*this)("Text2").enabled = false;
    });
    onClick("Label9", [this] { newQuestion(); });
    wire(before_, "Text1", -1, true);
    wire(after_, "Text2", +1, false);
  }

  std::string question() override { return onBoard({"Text1", "Label2", "Text2"}); }
  std::string given() override { return typed({"Text1", "Text2"}); }

 private:
  // What each answer box keeps through a question.
  struct Box {
    std::string name;
    int step = 0;                // its answer is n + step
    bool tabsOnRight = false;    // within 10, a right first digit moves on to the other box
    std::int16_t tries = 0;      // only whether it is 1 matters: stops at 2
    bool firstRight = false;     // found right in the way that counts for the score
  };

  void wire(Box& b, const std::string& name, int step, bool leadsTheQuestion) {
    b.name = name;
    b.step = step;
    b.tabsOnRight = leadsTheQuestion;
    onKeyPress(name, [this, &b, leadsTheQuestion](int& ch) {
      // Only keys in the first box let the child ask for a new question.
      if (leadsTheQuestion) enableNewQuestion();
      frame::filterDigits(ch);
      frame::guardAnswer(box(b).text, expected(b), ch);
    });
    onKeyUp(name, [this, &b](int key, int) { keyUp(b, key); });
    onGotFocus(name, [this, &b] {
      if (!s_.strict) showFace(frame::Face::Neutral);
      if (b.tries >= 1) faceFor(b);
    });
    onClick(name, [this, &b] {
      if (s_.strict) (*this)(names().neutral).visible = true;
      if (!box(b).text.empty()) faceFor(b);
    });
  }

  Control& box(const Box& b) { return (*this)(b.name); }
  std::string expected(const Box& b) const { return text(n_ + b.step); }
  void countTry(Box& b) { if (b.tries < 2) ++b.tries; }

  void newQuestion() {
    before_.firstRight = after_.firstRight = false;
    box(before_).enabled = box(after_).enabled = true;
    (*this)(names().newQuestion).enabled = false;
    score.countQuestion();
    showQuestionCount();
    // Brings the child back from the second box to the first.
    if (score.questions > 0) sendTab();
    box(before_).text.clear();
    box(after_).text.clear();
    before_.tries = after_.tries = 0;
    showFace(frame::Face::Neutral);
    reseed();
    do n_ = draw(s_.drawCount, 1);
    while (n_ > s_.drawMax);
    (*this)("Label2").caption = text(n_);
    if (s_.coloured) {
      frame::colour((*this)("Label2"), n_);
      frame::colour(box(before_), n_ - 1, frame::OneText::Black);
      frame::colour(box(after_), n_ + 1, frame::OneText::Black);
    }
  }

  void keyUp(Box& b, int key) {
    if (frame::isDigitKey(key)) {
      const bool holdsAnswer = box(b).text == expected(b);
      if (s_.strict) {
        countTry(b);
        if (b.tries == 1) {
          if (holdsAnswer) {
            showFace(frame::Face::Happy);
            if (b.tabsOnRight) sendTab();
            foundRight(b);
          } else {
            wrong();
          }
        }
      } else if (holdsAnswer) {
        countTry(b);
        if (b.tries == 1) {
          showFace(frame::Face::Happy);
          foundRight(b);
        }
      }
    }
    faceFor(b);
  }

  // The question counts when the second box is found right after the first.
  void foundRight(Box& b) {
    b.firstRight = true;
    const Box& other = &b == &before_ ? after_ : before_;
    if (other.firstRight) {
      score.countRight();
      (*this)(names().rightDisplay).caption = text(score.right);
    }
  }

  // The face a box earns as it stands.
  void faceFor(const Box& b) {
    const std::string& t = box(b).text;
    const std::string e = expected(b);
    if (t == e)
      showFace(frame::Face::Happy);
    else if (s_.strict || t.size() == e.size())
      wrong();
  }

  const TwoBoxScreen& s_;
  long long n_ = 0;
  Box before_, after_;
};

SCREEN(17, PreviousAndNext, kForm17);
SCREEN(39, PreviousAndNext, kForm39);

}  // namespace
}  // namespace sequence

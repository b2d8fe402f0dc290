#include "compare_screen.h"

#include "frame/colours.h"
#include "frame/standard_layout.h"

namespace compare {

using namespace shell;

namespace {

constexpr const char* kSigns[] = {"Label5", "Label6", "Label7"};
constexpr Colour kChosenSign = 0x0000FF;  // red

Control numberBox(std::string name, const CompareScreen& s, double left, double top) {
  return label(std::move(name), left, top, s.numberWidth, 3015)
      .withFont(144).back(0xC0E0FF).fore(s.numberText).centred();
}

Control sign(std::string name, std::string caption, double top) {
  return label(std::move(name), 5400, top, 1335, 855).withCaption(std::move(caption))
      .withFont(48).centred().hand();
}

Design designOf(const CompareScreen& s) {
  const double faceLeft = 8520, faceTop = 5760;
  Design d{s.caption, s.height, kNoColour, {
      label("Label8", 240, 720, 11535, 615).withCaption("CONFRONTA I NUMERI DATI")
          .withFont(18.75).centred(),
      numberBox("Label3", s, s.leftNumberLeft, 2280),
      numberBox("Label4", s, s.rightNumberLeft, 2160),
      sign("Label5", "<", 2400),
      sign("Label6", "=", 3360),
      sign("Label7", ">", 4320),
      label("Label10", s.esattiLeft, 6480, 1335, 375).withCaption("ESATTI:").withFont(14.25),
      label("Label12", 3720, 6240, 615, 615).withCaption(s.rightDisplay).withFont(24).right(),
      label("Label13", 3720, 6840, 615, 615).withFont(24).right(),
      label("Label20", 5160, 6360, 495, 495).withCaption("SU").withFont(18).centred(),
      label("Label22", 5520, 6240, 855, 675).withFont(26.25).right(),
      hotspot("Label1", 480, 7680, 1095, 975, "DAMMI I NUMERI"),
      hotspot("Label2", s.exitLeft, 7800, 615, 615, "").says("ESCI"),
      label("Label14", 3960, 7440, 2895, 255)
          .withCaption(s.within20 ? "TORNA A MENU PRINCIPALE" : "VAI A MENU PRINCIPALE").hand(),
      label("Label15", 7920, 7440, 1815, 255)
          .withCaption(s.within20 ? "TORNA A MENU20" : "TORNA A MENU10").hand(),
      label("Label9", 2640, 8040, 9135, 615).withCaption(frame::kFooter).centred(),
      image("Image1", Picture::FaceNeutral, faceLeft, faceTop, 1200, 1185),
      image("Image2", Picture::FaceHappy, faceLeft, faceTop, 1200, 1185),
      image("Image3", Picture::FaceSad, faceLeft, faceTop, 1215, 1215),
  }, "Label8"};
  return d;
}

frame::FrameControls frameOf(const CompareScreen& s) {
  frame::FrameControls f;
  f.menu = s.within20 ? frame::kMenu20 : frame::kMenu10;
  f.newQuestion = "Label1";
  f.exit = "Label2";
  f.answer = "";  // the answer is a click on a sign
  f.rightDisplay = "Label12";
  f.questionDisplay = "Label22";
  return f;
}

}  // namespace

CompareNumbers::CompareNumbers(Program& p, const CompareScreen& s)
    : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
  // Nothing can be answered before the first question.
  onLoad([this] {
    for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
    for (const char* sign : kSigns) (*this)(sign).enabled = false;
  });
  onClick("Label1", [this] { newQuestion(); });
  onClick("Label5", [this] { answer(Sign::Less, "Label5"); });
  onClick("Label6", [this] { answer(Sign::Equal, "Label6"); });
  onClick("Label7", [this] { answer(Sign::Greater, "Label7"); });
}

void CompareNumbers::newQuestion() {
  for (const char* sign : kSigns) {
    (*this)(sign).enabled = true;
    (*this)(sign).foreColor = kWhite;
  }
  score.tries = 0;
  (*this)("Label1").enabled = false;
  showFace(frame::Face::Neutral);

  score.countQuestion();
  if (score.questions == 0 && s_.restart == Restart::AtOne) {
    score.questions = 1;
    for (const char* display : {"Label22", "Label12", "Label13"}) (*this)(display).caption.clear();
  }

  reseed();
  a_ = draw(s_.drawCount, s_.drawFrom);
  b_ = draw(s_.drawCount, s_.drawFrom);
  (*this)("Label3").caption = text(a_);
  (*this)("Label4").caption = text(b_);
  if (s_.coloured) {
    frame::colour((*this)("Label3"), a_);
    frame::colour((*this)("Label4"), b_);
  }
  // The question display waits for the answer.
}

bool CompareNumbers::holds(Sign sign) const {
  switch (sign) {
    case Sign::Less: return a_ < b_;
    case Sign::Equal: return a_ == b_;
    case Sign::Greater: return a_ > b_;
  }
  return false;
}

// Only the first click of a question is judged; later clicks only let the
// child ask for the next question and refresh the question display.
void CompareNumbers::answer(Sign sign, const char* label) {
  enableNewQuestion();
  score.countTry();
  if (score.firstTry()) {
    (*this)(label).foreColor = kChosenSign;
    chosen_ = sign == Sign::Less ? "<" : sign == Sign::Equal ? "=" : ">";
    if (holds(sign))
      right();
    else
      wrong();
  }
  showQuestionCount();
}

}  // namespace compare

#include "order_screen.h"

#include <algorithm>

#include "frame/standard_layout.h"

namespace compare {

using namespace shell;

namespace {

constexpr double kHomeLeft = 840, kHomeTop = 1440, kHomeStep = 960;
constexpr double kTrayStep = 960, kTrayTop = 3840;  // place p is at left 960 x p

// Slot 0 is Label10, slots 1 to 9 are Label1 to Label9.
std::string slotName(int i) { return "Label" + std::to_string(i == 0 ? 10 : i); }

double homeLeft(int i) { return kHomeLeft + kHomeStep * i; }

Design designOf(const OrderScreen& s) {
  const double faceLeft = 7680, faceTop = 5760;
  Design d{s.caption, s.height, kNoColour, {}, "Label13"};
  auto& c = d.controls;
  c.push_back(label("Label13", 240, 360, 11415, 615).withCaption(s.title).withFont(18.75).centred());
  // The numbers come before the tray, so that a placed number lies in front of it.
  for (int i = 0; i < OrderNumbers::kSlots; ++i) {
    Control n = label(slotName(i), homeLeft(i), kHomeTop, 855, 855).withFont(36).centred().hand();
    if (s.framedNumbers) n.thinBorder();
    c.push_back(n);
  }
  c.push_back(label("Label17", 120, 2520, 11535, 255).withCaption("CLICCA IN ORDINE SUI NUMERI")
                  .centred());
  c.push_back(label("Label14", 720, 3720, 9975, 1215).thinBorder());
  c.push_back(label("Label15", 2880, 5040, 2415, 375).withCaption("RICOMINCIA").withFont(12)
                  .centred().hand());
  c.push_back(label("Label16", 6480, 5040, 2055, 375).withCaption("CONFERMA").withFont(12)
                  .centred().hand());
  c.push_back(label("Label18", 1440, 6360, 1815, 495).withCaption("ESATTI").withFont(14.25));
  c.push_back(label("Label20", s.rightDisplayLeft, 6120, 735, 495).withCaption(s.rightDisplay)
                  .withFont(24));
  c.push_back(label("Label21", 2880, 6600, 855, 495).withFont(24));
  c.push_back(label("Label22", 4320, 6240, 495, 495).withCaption("SU").withFont(18).centred());
  c.push_back(label("Label23", 4800, 6120, 975, 495).withFont(26.25).centred());
  for (Control& f : frame::faces(faceLeft, faceTop)) c.push_back(std::move(f));
  c.push_back(hotspot("Label12", 480, 7800, 975, 735, "DAMMI I NUMERI"));
  c.push_back(hotspot("Label11", 1800, 7800, 615, 735, "ESCI"));
  c.push_back(label("Label25", 3480, 7560, 2895, 255)
                  .withCaption(s.within20 ? "TORNA A MENU PRINCIPALE" : "VAI A MENU PRINCIPALE")
                  .centred().hand());
  c.push_back(label("Label26", 7440, 7560, 1815, 255)
                  .withCaption(s.within20 ? "TORNA A MENU20" : "TORNA A MENU10").centred().hand());
  c.push_back(label("Label24", 2640, 8040, 9135, 495).withCaption(frame::kFooter).centred());
  return d;
}

frame::FrameControls frameOf(const OrderScreen& s) {
  frame::FrameControls f;
  f.menu = s.within20 ? frame::kMenu20 : frame::kMenu10;
  f.newQuestion = "Label12";
  f.exit = "Label11";
  f.mainMenuReturn = "Label25";
  f.menuReturn = "Label26";
  f.answer = "";  // the answer is given with the mouse
  f.rightDisplay = "Label20";
  f.questionDisplay = "Label23";
  return f;
}

}  // namespace

OrderNumbers::OrderNumbers(Program& p, const OrderScreen& s)
    : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
  for (int i = 0; i < kSlots; ++i) slotNames_[i] = slotName(i);

  onLoad([this] {
    for (int i = 0; i < kSlots; ++i) slot(i).enabled = false;
    for (const char* c : {"Image1", "Image2", "Image3", "Label15", "Label16", "Label17"})
      (*this)(c).visible = false;
  });
  onClick("Label12", [this] { newQuestion(); });
  for (int i = 0; i < kSlots; ++i) onClick(slotNames_[i], [this, i] { place(i); });
  onClick("Label16", [this] { confirm(); });
  onClick("Label15", [this] { restart(); });
  // The return labels also forget the wrong answers.
  onClick("Label25", [this] { leaveTo(frame::kMainMenu); });
  onClick("Label26", [this] { leaveTo(names().menu); });
}

void OrderNumbers::newQuestion() {
  for (int i = 0; i < kSlots; ++i) slot(i).enabled = true;
  (*this)("Label15").enabled = false;
  (*this)("Label16").enabled = false;
  emptyTray();

  score.tries = 0;
  score.countQuestion();
  if (score.questions == 0) wrongAnswers_ = 0;  // the 99th question restarts the score
  showQuestionCount();

  // The happy or sad face of the last question stays behind the neutral one.
  (*this)("Image1").visible = true;

  (*this)("Label12").enabled = false;
  for (const char* c : {"Label15", "Label16", "Label17"}) (*this)(c).visible = true;
  inPlace_ = 0;

  drawNumbers();
  for (int i = 0; i < kSlots; ++i) slot(i).caption = text(numbers_[i]);
  rankNumbers();
}

// The slots stand at home from the left in their order.
std::string OrderNumbers::question() {
  std::string out;
  for (long long n : numbers_) out += (out.empty() ? "" : " ") + text(n);
  return out;
}

std::string OrderNumbers::given() {
  std::array<int, kSlots> order{};
  for (int i = 0; i < kSlots; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [this](int a, int b) { return slot(a).left < slot(b).left; });
  std::string out;
  for (int i : order)
    if (clicks_[i] > 0) out += (out.empty() ? "" : " ") + slot(i).caption;
  return out;
}

// Ten different numbers: each is drawn again until it is new.
void OrderNumbers::drawNumbers() {
  reseed();
  for (int i = 0; i < kSlots; ++i) {
    bool repeated;
    do {
      numbers_[i] = draw(s_.drawCount);
      repeated = false;
      for (int j = 0; j < i; ++j) repeated = repeated || numbers_[j] == numbers_[i];
    } while (repeated);
  }
}

// The numbers within 10 are the digits 0 to 9, so their ranking is 9, 8, ... 0
// and the places want the digits themselves.
void OrderNumbers::rankNumbers() {
  for (int i = 0; i < kSlots; ++i) {
    int above = 0;
    for (int j = 0; j < kSlots; ++j) above += j != i && numbers_[j] > numbers_[i];
    ranked_[above] = numbers_[i];
  }
}

// Place 1 is the leftmost: the smallest number in ascending order.
long long OrderNumbers::wantedAt(int place) const {
  return s_.ascending ? ranked_[kSlots - place] : ranked_[place - 1];
}

// A first click puts the number into the next free place; a further click on
// a placed number moves it onto the place of the number placed last.
void OrderNumbers::place(int i) {
  (*this)("Label16").enabled = true;
  clicks_[i] = frame::add16(clicks_[i], 1);
  if (clicks_[i] == 1) ++inTray_;
  slot(i).move(kTrayStep * inTray_, kTrayTop);
}

// Judges the tray as it stands: a number counts only where its place is,
// exactly.
void OrderNumbers::confirm() {
  if (s_.hideInstruction) (*this)("Label17").visible = false;
  (*this)("Label16").enabled = false;
  score.countTry();
  enableNewQuestion();

  inPlace_ = 0;
  for (int place = 1; place <= kSlots; ++place)
    for (int i = 0; i < kSlots; ++i)
      if (slot(i).caption == text(wantedAt(place)) && slot(i).left == kTrayStep * place) ++inPlace_;

  if (inPlace_ == kSlots) {
    right();  // counts at the first confirmation only
  } else {
    wrong();
    (*this)("Label15").enabled = true;
    if (score.firstTry()) wrongAnswers_ = frame::add16(wrongAnswers_, 1);
  }
}

// The same numbers back home for another try; the try counter is kept, so a
// later right confirmation is not counted.
void OrderNumbers::restart() {
  (*this)("Label15").enabled = false;
  (*this)("Label16").enabled = false;
  if (s_.hideInstruction) (*this)("Label17").visible = true;
  showFace(frame::Face::Neutral);
  inPlace_ = 0;
  emptyTray();
}

void OrderNumbers::emptyTray() {
  inTray_ = 0;
  clicks_.fill(0);
  for (int i = 0; i < kSlots; ++i) slot(i).move(homeLeft(i), kHomeTop);
}

void OrderNumbers::leaveTo(int target) {
  wrongAnswers_ = 0;
  leave(target);
}

}  // namespace compare

// "Completa la decina sull'abaco": unit beads slide one by one onto the units
// spike; the child types how many are missing to make ten. A right answer
// slides the missing beads in, pauses, then carries all ten over to the tens
// spike and shows one red tens bead there: the change of ten units into a ten.
// The animations run inside the handler: no other input is taken meanwhile.
#include "abacus.h"
#include "frame/exercise.h"
#include "frame/standard_layout.h"

namespace abacus {
namespace {

using namespace shell;

constexpr int kStep = 40;            // twips per Move of a sliding bead
constexpr int kStepSleep = 1;        // milliseconds after each Move
constexpr int kExchangePause = 2000; // before the exchange, after a main-keyboard digit
constexpr int kTen = 10;
constexpr double kStartLeft = 4920, kStartTop = 840;  // right of the spikes, above them

const Abacus kAbacus{.units = {"Line2", 3480, 1320}, .tens = Spike{"Line3", 2160, 1320},
                     .base = "Line1", .baseLeft = 1440, .baseRight = 4200, .baseY = 6360};
const double kUnitsLeft = kAbacus.units.beadLeft();   // 3240
const double kTensLeft = kAbacus.tens->beadLeft();    // 1920
// The exchange slides left from just right of the units spike.
constexpr double kExchangeFrom = 3260, kExchangeTo = 1940;

std::string unitBead(int i) { return "Image" + std::to_string(i); }  // Image1 to Image10
std::string mark(int i) { return "Label" + std::to_string(i); }      // Label1 to Label9

Control digitLabel(std::string name, std::string caption, double left, double top) {
  return label(std::move(name), left, top, 495, 495).withCaption(std::move(caption))
      .withFont(20.25).centred();
}

Design tenDesign() {
  std::vector<Control> cs{
      label("Label14", 240, 480, 11415, 615).withCaption("COMPLETA LA DECINA SULL'ABACO")
          .withFont(18.75).centred(),
      // The tens bead covers the ten unit beads gathered under it.
      imageBead("Image14", true, kTensLeft, kAbacus.slotTop(1)),
  };
  for (int i = 1; i <= kTen; ++i) cs.push_back(imageBead(unitBead(i), false, kStartLeft, kStartTop));
  for (int i = 1; i <= 9; ++i)
    cs.push_back(digitLabel(mark(i), std::to_string(i), 3840, kAbacus.slotTop(i)));
  cs.push_back(digitLabel("Label24", "10", 3840, kAbacus.slotTop(kTen)));
  cs.push_back(label("Label23", 4560, 1655, 2775, 375).withCaption("FACCIO IL CAMBIO")
                   .withFont(14.25).centred());
  cs.push_back(label("Label15", 5520, 3600, 1935, 495).withCaption("AGGIUNGO").withFont(15.75)
                   .centred());
  cs.push_back(textBox("Text1", 7560, 3360, 855, 855).withFont(36).fore(kBlack).chalk().tab(11));
  cs.push_back(label("Label16", 8640, 3480, 615, 495).withCaption("u").withFont(20.25));
  cs.push_back(digitLabel("Label26", "", 1920, 6960));  // tens digit
  cs.push_back(digitLabel("Label25", "", 3240, 6960));  // units digit
  cs.push_back(label("Label10", 6240, 6120, 1335, 375).withCaption("ESATTI:").withFont(14.25));
  cs.push_back(label("Label12", 7680, 5880, 615, 615).withFont(24).right());
  cs.push_back(label("Label20", 9120, 6000, 495, 495).withCaption("SU").withFont(18));
  cs.push_back(label("Label22", 9480, 5880, 855, 675).withFont(26.25).right());
  cs.push_back(label("Label13", 7680, 6480, 615, 615).withFont(24).right());
  for (Control& f : frame::faces(9720, 3120, frame::FrontFace::Neutral, {"Image13", "Image12", "Image11"}))
    cs.push_back(std::move(f));
  cs.push_back(hotspot("Label17", 600, 7680, 855, 855, "DAMMI LE UNITÀ"));
  cs.push_back(hotspot("Label18", 1800, 7680, 615, 855, "ESCI"));
  cs.push_back(label("Label28", 7200, 7440, 1815, 255).withCaption("TORNA A MENU20").hand());
  cs.push_back(label("Label27", 3480, 7440, 2895, 255).withCaption("VAI A MENU PRINCIPALE").hand());
  cs.push_back(label("Label29", 2640, 8040, 9015, 495).withCaption(frame::kFooter).centred());
  cs.push_back(spikeLabel("Label21", "da", 1800, 6480, 735, 615));
  cs.push_back(spikeLabel("Label19", "u", 3120, 6480, 735, 615));
  for (Control& l : kAbacus.lines()) cs.push_back(std::move(l));
  return Design{"vaxo - Aritmetica  cl. I    Completa la decina sull'abaco", 8550, kNoColour,
                std::move(cs), "Label14"};
}

frame::FrameControls frameControls() {
  frame::FrameControls f;
  f.menu = frame::kMenu20;
  f.newQuestion = "Label17";
  f.exit = "Label18";
  f.mainMenuReturn = "Label27";
  f.menuReturn = "Label28";
  f.rightDisplay = "Label12";
  f.questionDisplay = "Label22";
  f.neutral = "Image13";
  f.happy = "Image12";
  f.sad = "Image11";
  return f;
}

bool isMainKeyboardDigit(int keyCode) { return keyCode >= 48 && keyCode <= 57; }

class TenOnAbacus : public frame::Exercise {
 public:
  explicit TenOnAbacus(Program& p) : Exercise(p, 26, tenDesign(), frameControls()) {
    onLoad([this] { load(); });
    onClick("Label17", [this] { newQuestion(); });
    onKeyPress("Text1", [this](int& ch) { digitKeyPress(ch, expected()); });
    onKeyUp("Text1", [this](int key, int) { keyUp(key); });
  }

  // The class record: the beads laid and the ten they want, "6 + _ = 10".
  std::string question() override { return text(n_) + " + _ = " + text(kTen); }

 private:
  std::string expected() const { return text(complement_); }
  Control& bead(int i) { return (*this)(unitBead(i)); }
  Control& unitsDigit() { return (*this)("Label25"); }

  void load() {
    disableAnswer();
    for (const char* c : {"Image14", "Label23", "Label24", "Image11", "Image12", "Image13"})
      (*this)(c).visible = false;
    for (int i = 1; i <= 9; ++i) (*this)(mark(i)).visible = false;
    for (int i = 1; i <= kTen; ++i) bead(i).visible = false;
  }

  void newQuestion() {
    answerBox().enabled = true;
    (*this)("Label17").enabled = false;
    (*this)("Image14").visible = false;
    (*this)("Label24").visible = false;
    unitsDigit().caption.clear();
    (*this)("Label26").caption.clear();
    score.tries = 0;
    score.countQuestion();  // shown once the answer is judged
    answerBox().text.clear();
    for (int i = 1; i <= 9; ++i) (*this)(mark(i)).visible = false;
    for (int i = 1; i <= kTen; ++i) {
      bead(i).visible = false;
      bead(i).move(kStartLeft, kStartTop);
    }
    reseed();
    do n_ = draw(10, 1); while (n_ > 9);
    unitsDigit().caption = text(n_);
    for (int i = 1; i <= n_; ++i) lay(i);
    complement_ = kTen - n_;
    (*this)(mark(static_cast<int>(n_))).visible = true;  // beside the highest bead
    showFace(frame::Face::Neutral);
  }

  // Judging, filling, then pause and exchange, for every key released.
  void keyUp(int key) {
    const bool digit = frame::isDigitKey(key);
    if (digit) {
      if (judgeDigitKey(key, expected(), false) == frame::Verdict::Right && score.firstTry())
        (*this)("Label23").visible = true;
      showQuestionCount();
    }
    if (digit && answerBox().text == expected()) {
      (*this)("Label23").visible = true;
      (*this)("Label24").visible = true;
      for (int i = static_cast<int>(n_) + 1; i <= kTen; ++i) lay(i);
    }
    if (isMainKeyboardDigit(key)) sleep(kExchangePause);
    if (bead(1).left == kUnitsLeft && answerBox().text == expected()) exchange();
  }

  // Bead i slides in from the start place to unit slot i.
  void lay(int i) {
    bead(i).visible = true;
    unitsDigit().caption = text(i);
    slideAlongTop(bead(i), kStartTop, kStartLeft, kUnitsLeft);
    slideAlongLeft(bead(i), kUnitsLeft, kStartTop, kAbacus.slotTop(i));
  }

  // The ten unit beads, the highest first, go over to the tens spike; the
  // units digit counts down as each leaves.
  void exchange() {
    for (int i = kTen; i >= 1; --i) {
      slideAlongLeft(bead(i), kUnitsLeft, kAbacus.slotTop(i), kStartTop);
      if (i >= 2) unitsDigit().caption = text(i - 1);
      slideAlongTop(bead(i), kStartTop, kExchangeFrom, kExchangeTo);
      slideAlongLeft(bead(i), kTensLeft, kStartTop, kAbacus.slotTop(1));
    }
    (*this)("Image14").visible = true;
    unitsDigit().caption = "0";
    (*this)("Label26").caption = "1";
    (*this)("Label23").visible = false;
    (*this)(mark(static_cast<int>(n_))).visible = false;
    (*this)("Label24").visible = false;
    enableNewQuestion();
  }

  // A slide passes through from, from +- 40, ... and stops at the last
  // position that does not pass to; each Move is drawn, then a short sleep.
  void slide(Control& b, double from, double to, bool horizontal, double fixed) {
    const int dir = to >= from ? 1 : -1;
    for (double pos = from; dir * (to - pos) >= 0; pos += dir * kStep) {
      if (horizontal)
        b.move(pos, fixed);
      else
        b.move(fixed, pos);
      sleep(kStepSleep);
    }
  }
  void slideAlongTop(Control& b, double top, double from, double to) { slide(b, from, to, true, top); }
  void slideAlongLeft(Control& b, double left, double from, double to) { slide(b, from, to, false, left); }

  long long n_ = 0;           // unit beads laid at the question, 1 to 9
  long long complement_ = 0;  // what makes them ten
};

SCREEN(26, TenOnAbacus);

}  // namespace
}  // namespace abacus

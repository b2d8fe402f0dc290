#include "reading.h"

#include "frame/colours.h"
#include "frame/standard_layout.h"
#include "frame/words.h"

namespace abacus {

using namespace shell;

namespace {

constexpr int kUnitBeads = 9;
constexpr double kFaceLeft = 7920, kFaceTop = 6600;

std::string unitBead(int i) { return "Shape" + std::to_string(i); }

Design designOf(const ReadingScreen& s) {
  const Abacus& a = s.abacus;
  const std::string exact = "ESATTI:";
  std::vector<Control> cs{
      label("Label3", 1200, 480, 9615, 1095).withCaption(s.instruction).withFont(18.75).centred(),
      textBox("Text1", 3240, 2160, 1815, 1695).withFont(72).fore(kBlack).chalk()
          .tip("SCRIVI IL NUMERO IN CIFRE").tab(3),
      textBox("Text2", s.wordsLeft, 2640, s.wordsWidth, 1245).withFont(s.wordsPoints).fore(kBlack)
          .chalk().tip("SCRIVI IL NUMERO IN LETTERE").tab(4).words(),
      label("Label4", 6120, 4080, 4575, 495).withCaption("CONFERMA IL NUMERO IN LETTERE")
          .withFont(12).centred().hand(),
      // The digits' score.
      label("Label14", 3240, 4920, 3015, 375).withCaption("NUMERI IN CIFRE").withFont(15.75),
      label("Label10", 3240, s.exactTop, 1335, 375).withCaption(exact).withFont(14.25),
      label("Label12", 4800, s.rightTop, 615, 615).withFont(24).right(),
      label("Label20", 5640, s.suTop, 495, 495).withCaption("SU").withFont(18),
      label("Label22", 6240, s.digitsCountTop, 855, 675).withFont(26.25).right(),
      // The words' score.
      label("Label15", 7800, 4920, 3495, 375).withCaption("NUMERI IN LETTERE").withFont(15.75),
      label("Label6", 7800, s.exactTop, 1335, 375).withCaption(exact).withFont(14.25),
      label("Label8", 9360, s.rightTop, 615, 615).withFont(24).right(),
      label("Label16", 10200, s.suTop, 495, 495).withCaption("SU").withFont(18),
      label("Label18", 10800, s.wordsCountTop, 870, 615).withFont(26.25).right(),
      // Spare displays, never written.
      label("Label13", 4800, 6000, 615, 615).withFont(24).right(),
      label("Label9", 9360, 6000, 615, 615).withFont(24).right(),
  };
  if (s.thirdSpare) cs.push_back(label("Label19", 10800, 6000, 870, 615).withFont(26.25).right());
  for (Control& f : frame::faces(kFaceLeft, kFaceTop, frame::FrontFace::Sad)) cs.push_back(std::move(f));
  cs.push_back(hotspot("Label2", 480, 7680, 975, 855, s.newQuestionTip));
  cs.push_back(hotspot("Label1", 1800, 7800, 615, 735, "ESCI"));
  cs.push_back(label(s.menuReturn, s.menuReturnLeft, s.returnTop, 1815, 255)
                   .withCaption(s.within20 ? "TORNA A MENU20" : "TORNA A MENU10").hand());
  cs.push_back(label(s.mainMenuReturn, s.mainMenuReturnLeft, s.returnTop, 2895, 255)
                   .withCaption("VAI A MENU PRINCIPALE").hand());
  cs.push_back(label("Label5", 2760, 8040, 8895, 375).withCaption(frame::kFooter).centred());
  // The beads lie on their spikes, in front of them.
  if (a.tens) {
    cs.push_back(shapeBead("Shape10", a, *a.tens, 1, true));
    cs.push_back(shapeBead("Shape11", a, *a.tens, 2, true));
  }
  for (int i = 1; i <= kUnitBeads; ++i) cs.push_back(shapeBead(unitBead(i), a, a.units, i, false));
  cs.push_back(spikeLabel("Label24", "u", 1560, 6480, 495, 495));
  if (a.tens) cs.push_back(spikeLabel("Label25", "da", 720, 6480, 495, 495));
  for (Control& l : a.lines()) cs.push_back(std::move(l));
  return Design{"vaxo - Aritmetica  cl. I    Dall'abaco al numero in lettere e in cifre", s.height,
                kNoColour, std::move(cs), "Label3"};
}

frame::FrameControls frameOf(const ReadingScreen& s) {
  frame::FrameControls f;
  f.menu = s.within20 ? frame::kMenu20 : frame::kMenu10;
  f.newQuestion = "Label2";
  f.exit = "Label1";
  f.mainMenuReturn = s.mainMenuReturn;
  f.menuReturn = s.menuReturn;
  f.rightDisplay = "Label12";
  f.questionDisplay = "Label22";
  return f;
}

}  // namespace

AbacusReading::AbacusReading(Program& p, const ReadingScreen& s)
    : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
  onLoad([this] { load(); });
  onClick("Label2", [this] { newQuestion(); });
  onClick("Label4", [this] { confirm(); });
  onGotFocus("Text1", [this] { digitsGotFocus(); });
  onKeyPress("Text1", [this](int& ch) { digitKeyPress(ch, digitsExpected_); });
  onKeyUp("Text1", [this](int key, int) { digitsKeyUp(key); });
  onGotFocus("Text2", [this] { wordsGotFocus(); });
  onKeyPress("Text2", [this](int& ch) { wordsKeyPress(ch); });
  // The return labels zero the words' score as well.
  onClick(s.mainMenuReturn, [this] { leaveTo(frame::kMainMenu); });
  onClick(s.menuReturn, [this] { leaveTo(names().menu); });
}

std::vector<std::string> AbacusReading::scoreControls() const {
  std::vector<std::string> cs{"Label14", "Label10", "Label12", "Label20", "Label22", "Label15",
                              "Label6",  "Label8",  "Label16", "Label18", "Label13", "Label9"};
  if (s_.thirdSpare) cs.push_back("Label19");
  return cs;
}

std::vector<std::string> AbacusReading::beads() const {
  std::vector<std::string> bs;
  if (s_.within20) bs = {"Shape10", "Shape11"};
  for (int i = 1; i <= kUnitBeads; ++i) bs.push_back(unitBead(i));
  return bs;
}

// Before the first question only the instruction, the empty abacus, the
// hotspots, the return labels and the footer are seen.
void AbacusReading::load() {
  (*this)("Label4").enabled = false;
  (*this)("Label4").visible = false;
  for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
  digits().visible = false;
  words().visible = false;
  for (const auto& c : scoreControls()) (*this)(c).visible = false;
  for (const auto& b : beads()) (*this)(b).visible = false;
}

// No new question until the words have been confirmed once.
void AbacusReading::newQuestion() {
  (*this)("Label2").enabled = false;
  (*this)("Label4").enabled = false;
  for (const auto& c : scoreControls()) (*this)(c).visible = true;
  score.tries = pairTries_ = 0;
  words_.tries = 0;
  score.countQuestion();
  if (score.questions == 0) words_.right = 0;  // the 99th question restarts both scores
  (*this)("Label22").caption = text(score.questions);
  (*this)("Label18").caption = text(score.questions);
  // After an ordinary round the focus goes from the words box back to the digits.
  if (score.questions > 1) sendTab();
  for (Control* box : {&digits(), &words()}) {
    box->text.clear();
    box->foreColor = kBlack;
  }
  showFace(frame::Face::Neutral);
  (*this)("Label4").visible = false;
  for (const auto& b : beads()) (*this)(b).visible = false;
  reseed();
  drawn_ = s_.within20 ? draw(11) : draw(9, 1);  // 10 + (0 to 10), or 1 to 9
  const long long n = s_.within20 ? 10 + drawn_ : drawn_;
  if (!s_.within20) {
    frame::colour(digits(), n, frame::OneText::Black);
    frame::colour(words(), n, frame::OneText::Black);
  }
  digitsExpected_ = text(n);
  wordExpected_ = frame::wordOf(n);
  showNumber();
  digits().visible = true;
  words().visible = true;
}

void AbacusReading::showNumber() {
  if (!s_.within20) {
    for (int i = 1; i <= drawn_; ++i) (*this)(unitBead(i)).visible = true;
    return;
  }
  (*this)("Shape10").visible = true;
  if (drawn_ < 10) {
    for (int i = 1; i <= drawn_; ++i) (*this)(unitBead(i)).visible = true;
  } else {
    (*this)("Shape11").visible = true;  // twenty: two tens, no unit
  }
}

// Coming back to a box shows again how its answer stands, without counting.
void AbacusReading::digitsGotFocus() {
  showFace(frame::Face::Neutral);
  if (digits().text == digitsExpected_) {
    showFace(frame::Face::Happy);
  } else if (!digits().text.empty()) {
    wrong();
  }
}

void AbacusReading::digitsKeyUp(int key) {
  if (!s_.within20) {
    judgeDigitKey(key, digitsExpected_, false);
    return;
  }
  if (!frame::isDigitKey(key)) return;
  // Every digit key is a try; the answer counts only if its two digits were
  // the first two typed. Past 3 the count no longer matters.
  if (pairTries_ < 3) ++pairTries_;
  switch (frame::judgeFullLength(digits().text, digitsExpected_)) {
    case frame::Verdict::Right:
      showFace(frame::Face::Happy);
      if (pairTries_ == 2) {
        score.countRight();
        (*this)("Label12").caption = text(score.right);
      }
      break;
    case frame::Verdict::Wrong: wrong(); break;
    case frame::Verdict::Pending: break;
  }
}

void AbacusReading::wordsGotFocus() {
  (*this)("Label4").visible = true;
  showFace(frame::Face::Neutral);
  judgingWords_ = true;
  if (words().text == wordExpected_) {
    showFace(frame::Face::Happy);
  } else if (words().text.size() == wordExpected_.size()) {
    wrong();
  }
  judgingWords_ = false;
}

void AbacusReading::wordsKeyPress(int& ch) {
  (*this)("Label4").visible = true;
  (*this)("Label4").enabled = true;
  showFace(frame::Face::Neutral);
  // Within 20 a small z passes as it is typed; it can never be right.
  if (!(s_.within20 && ch == 'z'))
    frame::filterLetters(ch, s_.within20 ? frame::kLettersFull : frame::kLettersWithin10);
  frame::guardAnswer(words().text, wordExpected_, ch);
}

// Only the first confirmation of a question can count.
void AbacusReading::confirm() {
  enableNewQuestion();
  words_.countTry();
  const bool right = frame::wordIsRight(words().text, wordExpected_);
  judgingWords_ = true;
  showFace(right ? frame::Face::Happy : frame::Face::Sad);
  judgingWords_ = false;
  if (right) {
    if (words_.firstTry()) {
      words_.countRight();
      (*this)("Label8").caption = text(words_.right);
    }
  } else {
    beep();  // what wrong() does, the face shown above
  }
}

void AbacusReading::leaveTo(int target) {
  words_.zero();
  leave(target);
}

}  // namespace abacus

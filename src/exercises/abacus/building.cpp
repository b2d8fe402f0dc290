#include "building.h"

#include "frame/colours.h"
#include "frame/standard_layout.h"
#include "frame/words.h"

namespace abacus {

using namespace shell;

namespace {

// The row of unit beads at the top of the board, and the two tens beads under it.
const std::vector<Place> kUnitHomes{{1800, 2040}, {2520, 2040}, {3240, 2040},
                                    {3960, 2040}, {4680, 2040}, {5400, 2040},
                                    {6240, 2040}, {7080, 2040}, {7800, 2040}};
const std::vector<Place> kTensHomes{{1800, 3120}, {2520, 3120}};

std::string unitBead(int i) { return "Image" + std::to_string(4 + i); }  // Image5 to Image13
std::string tensBead(int i) { return "Image" + std::to_string(14 + i); }  // Image15, Image16

Design designOf(const BuildingScreen& s) {
  const double kZoneTop = 1320, kZoneHeight = 4575;
  std::vector<Control> cs{
      label("Label8", 360, s.digitsTop, 1815, 1695).withFont(72).back(0xC0E0FF).fore(kButtonText)
          .centred(),
      label("Label7", s.wordsLeft, s.wordsTop, s.wordsWidth, 1335).withFont(48).back(0xC0E0FF)
          .fore(kButtonText).centred(),
  };
  // Every bead lies in front of every drop zone.
  for (int i = 1; i <= 9; ++i) {
    const Place& h = kUnitHomes[i - 1];
    cs.push_back(imageBead(unitBead(i), false, h.left, h.top).grab());
  }
  if (s.within20) {
    for (int i = 1; i <= 2; ++i) {
      const Place& h = kTensHomes[i - 1];
      cs.push_back(imageBead(tensBead(i), true, h.left, h.top).grab());
    }
  }
  cs.push_back(label("Label5", 1320, 1800, 7455, 975));
  if (s.within20) cs.push_back(label("Label14", 1320, 2880, 2175, 975));
  cs.push_back(label("Label4", s.unitsZoneLeft, kZoneTop, s.unitsZoneWidth, kZoneHeight));
  if (s.within20) cs.push_back(label("Label15", 9120, kZoneTop, 495, kZoneHeight));
  // The instruction's box reaches down over the top of the spikes: it lies
  // behind the drop zones, so a bead dropped there still lands on the spike.
  cs.push_back(label("Label3", s.instructionLeft, 480, s.instructionWidth, 1095)
                   .withCaption(s.instruction).withFont(18.75).centred());
  cs.push_back(label("Label6", s.confirmLeft, s.confirmTop, 2055, s.confirmHeight)
                   .withCaption(s.confirmCaption).withFont(14.25).centred().hand());
  cs.push_back(label("Label10", s.exactLeft, 6720, 1335, 375).withCaption("ESATTI:").withFont(14.25));
  cs.push_back(label("Label12", s.rightLeft, 6480, 615, 615).withCaption(s.rightCaption)
                   .withFont(24).right());
  cs.push_back(label("Label20", 2880, 6600, 495, 495).withCaption("SU").withFont(18));
  cs.push_back(label("Label22", 3720, 6480, 855, 675).withFont(26.25).right());
  cs.push_back(label("Label13", 1680, 6960, 615, 615).withFont(24).right());
  for (Control& f : frame::faces(s.faceLeft, 6720)) cs.push_back(std::move(f));
  cs.push_back(hotspot("Label2", 480, 7680, 975, 855, "DAMMI IL NUMERO"));
  cs.push_back(hotspot("Label1", 1800, 7800, 615, 735, "ESCI"));
  cs.push_back(label(s.menuReturn, s.menuReturnLeft, s.returnTop, 1815, 255)
                   .withCaption(s.within20 ? "TORNA A MENU20" : "TORNA A MENU10").hand());
  cs.push_back(label(s.mainMenuReturn, s.mainMenuReturnLeft, s.returnTop, 2895, 255)
                   .withCaption("VAI A MENU PRINCIPALE").hand());
  cs.push_back(label("Label9", 2640, 8040, 9015, 375).withCaption(frame::kFooter).centred());
  if (s.within20) {
    cs.push_back(spikeLabel("Label17", "da", 9120, 6000, 495, 375, 14.25).fore(0x0000C0));
    cs.push_back(spikeLabel("Label16", "u", 9720, 6000, 495, 375, 14.25).fore(0xC00000));
  }
  for (Control& l : s.abacus.lines()) cs.push_back(std::move(l));
  Design d{"vaxo - Aritmetica  cl. I    Dal numero in lettere e in cifre all'abaco", s.height,
           0xC0C0C0, std::move(cs), "Label3"};
  return d;
}

frame::FrameControls frameOf(const BuildingScreen& s) {
  frame::FrameControls f;
  f.menu = s.within20 ? frame::kMenu20 : frame::kMenu10;
  f.newQuestion = "Label2";
  f.exit = "Label1";
  f.mainMenuReturn = s.mainMenuReturn;
  f.menuReturn = s.menuReturn;
  f.answer = "";
  f.rightDisplay = "Label12";
  f.questionDisplay = "Label22";
  return f;
}

}  // namespace

AbacusBuilding::AbacusBuilding(Program& p, const BuildingScreen& s)
    : Exercise(p, s.number, designOf(s), frameOf(s)), s_(s) {
  for (int i = 1; i <= 9; ++i) units_.beads.push_back(unitBead(i));
  units_.homes = kUnitHomes;
  units_.spike = &s.abacus.units;
  if (s.within20) {
    tens_.beads = {tensBead(1), tensBead(2)};
    tens_.homes = kTensHomes;
    tens_.spike = &*s.abacus.tens;
  }
  onLoad([this] { load(); });
  onClick("Label2", [this] { newQuestion(); });
  onClick("Label6", [this] { confirm(); });
  for (Beads* k : {&units_, &tens_}) {
    for (size_t i = 0; i < k->beads.size(); ++i)
      onMouseDown(k->beads[i], [this, k, i](Button, int, double, double) { pickUp(*k, int(i) + 1); });
  }
  onDragDrop("Label4", [this](Control&, double, double) { dropOnSpike(units_); });
  onDragDrop("Label5", [this](Control& source, double, double) { dropOnRow(units_, source); });
  if (s.within20) {
    onDragDrop("Label15", [this](Control&, double, double) { dropOnSpike(tens_); });
    onDragDrop("Label14", [this](Control& source, double, double) { dropOnRow(tens_, source); });
  }
}

std::vector<std::string> AbacusBuilding::allBeads() const {
  std::vector<std::string> bs = units_.beads;
  bs.insert(bs.end(), tens_.beads.begin(), tens_.beads.end());
  return bs;
}

// Nothing can be dragged before the first question.
void AbacusBuilding::load() {
  (*this)("Label6").enabled = false;
  for (const char* face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
  for (const auto& b : allBeads()) (*this)(b).enabled = false;
}

void AbacusBuilding::newQuestion() {
  for (const auto& b : allBeads()) (*this)(b).enabled = true;
  (*this)("Label2").enabled = false;
  (*this)("Label6").enabled = false;
  score.countQuestion();  // shown only at the confirmation
  score.tries = 0;
  units_.count = tens_.count = 0;
  unitsExpected_ = tensExpected_ = 0;
  for (Beads* k : {&units_, &tens_}) {
    for (size_t i = 0; i < k->beads.size(); ++i)
      (*this)(k->beads[i]).move(k->homes[i].left, k->homes[i].top);
  }
  showFace(frame::Face::Neutral);
  reseed();
  n_ = s_.within20 ? draw(20, 1) : draw(9, 1);
  (*this)("Label8").caption = text(n_);
  (*this)("Label7").caption = frame::wordOf(n_);
  if (!s_.within20) {
    frame::colour((*this)("Label8"), n_);
    frame::colour((*this)("Label7"), n_);
  } else {
    unitsExpected_ = static_cast<int>(n_ % 10);
    tensExpected_ = static_cast<int>(n_ / 10);
  }
}

// Within 20 only the spike of the picked-up bead's own kind takes a drop.
void AbacusBuilding::pickUp(Beads& k, int bead) {
  if (s_.within20) {
    (*this)("Label4").enabled = &k == &units_;
    (*this)("Label15").enabled = &k == &tens_;
  }
  drag((*this)(k.beads[bead - 1]));
  k.dragged = bead;
}

// A bead dropped on the spike goes to the next free slot, wherever it was
// dropped; one already there stays and is not counted again.
void AbacusBuilding::dropOnSpike(Beads& k) {
  (*this)("Label6").enabled = true;
  if (k.dragged == 0 || onSpike(k, k.dragged)) return;
  k.count++;
  s_.abacus.place((*this)(k.beads[k.dragged - 1]), *k.spike, k.count);
}

// A bead taken off goes home, and the beads left on the spike close up in
// bead order, the lowest-numbered at the bottom. Only a bead of the row's
// own kind is taken off: a tens bead dropped on the unit row is ignored.
void AbacusBuilding::dropOnRow(Beads& k, const Control& source) {
  if (k.dragged == 0 || source.name != k.beads[k.dragged - 1]) return;
  if (onSpike(k, k.dragged)) k.count--;
  const Place& home = k.homes[k.dragged - 1];
  (*this)(k.beads[k.dragged - 1]).move(home.left, home.top);
  int slot = 0;
  for (int i = 1; i <= int(k.beads.size()); ++i)
    if (onSpike(k, i)) s_.abacus.place((*this)(k.beads[i - 1]), *k.spike, ++slot);
}

// Only the first confirmation of a question can count.
void AbacusBuilding::confirm() {
  enableNewQuestion();
  showQuestionCount();
  score.countTry();
  const bool right = s_.within20 ? units_.count == unitsExpected_ && tens_.count == tensExpected_
                                 : units_.count == n_;
  if (right) {
    showFace(frame::Face::Happy);
    if (score.firstTry()) score.countRight();
    (*this)("Label12").caption = text(score.right);
  } else {
    wrong();
  }
}

}  // namespace abacus

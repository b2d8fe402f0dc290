// The screens that show a number in digits and in words and ask the child to
// build it on the abacus: beads are dragged from their rows onto a spike and
// back, then the confirmation label judges the beads on the spikes. Within
// 10 there are unit beads only; within 20 two red tens beads as well.
#pragma once
#include <array>

#include "abacus.h"
#include "frame/exercise.h"

namespace abacus {

struct Place { double left, top; };

struct BuildingScreen {
  int number;
  double height;
  std::string instruction;
  double instructionLeft, instructionWidth;
  bool within20;
  Abacus abacus;
  double digitsTop;                          // Label8
  double wordsLeft, wordsTop, wordsWidth;    // Label7
  double unitsZoneLeft, unitsZoneWidth;      // Label4, over the units spike
  std::string confirmCaption;
  double confirmLeft, confirmTop, confirmHeight;
  double exactLeft, rightLeft;               // "ESATTI:", Label12
  std::string rightCaption;                  // Label12's design caption
  double faceLeft;
  std::string menuReturn, mainMenuReturn;
  double menuReturnLeft, mainMenuReturnLeft, returnTop;
};

class AbacusBuilding : public frame::Exercise {
 public:
  AbacusBuilding(shell::Program& p, const BuildingScreen& s);
  // The class record: the number the beads on the spikes make.
  std::string given() override { return shell::text(tens_.count * 10 + units_.count); }

 private:
  // One kind of bead: its controls, home places, spike, and the count and
  // the last picked-up bead that go with them.
  struct Beads {
    std::vector<std::string> beads;  // bead 1 first
    std::vector<Place> homes;
    const Spike* spike;
    int count = 0;    // beads on the spike, also the slot of the highest
    int dragged = 0;  // the bead last picked up, 0 before the first
  };

  void load();
  void newQuestion();
  void pickUp(Beads& k, int bead);
  void dropOnSpike(Beads& k);
  void dropOnRow(Beads& k, const shell::Control& source);
  void confirm();

  bool onSpike(const Beads& k, int bead) { return (*this)(k.beads[bead - 1]).left == k.spike->beadLeft(); }
  std::vector<std::string> allBeads() const;

  const BuildingScreen& s_;
  Beads units_, tens_;
  long long n_ = 0;
  int unitsExpected_ = 0, tensExpected_ = 0;
};

}  // namespace abacus

// The abacus drawn on the five abacus screens: a units spike (and on some a
// tens spike to its left) standing on a brown base line, and the slots where
// beads rest on a spike, one above the other from the base line up. It has
// no behaviour: the screens show, hide and move their own bead controls.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/control.h"

namespace abacus {

constexpr shell::Colour kBrown = 0x004080;
constexpr int kSpikeWidth = 3;
constexpr double kBeadSize = 480;   // the bead pictures; also the height of a slot
constexpr double kShapeBead = 495;  // the round shapes of the reading screens
constexpr shell::Colour kRed = 0x0000FF;

struct Spike {
  std::string line;  // the Line control
  double x;
  double top;        // upper end; the foot stands on the base line
  // A bead's left edge in any slot: centred on the spike.
  double beadLeft() const { return x - kBeadSize / 2; }
};

struct Abacus {
  Spike units;
  std::optional<Spike> tens;
  std::string base;  // the Line control of the base line
  double baseLeft, baseRight, baseY;

  // Slot 1 is the lowest, resting on the base line.
  double slotTop(int k) const { return baseY - kBeadSize * k; }
  // Moves a bead into slot k of a spike.
  void place(shell::Control& bead, const Spike& spike, int k) const {
    bead.move(spike.beadLeft(), slotTop(k));
  }
  // The spikes and the base line, for a design table.
  std::vector<shell::Control> lines() const;
};

// A small white letter under a spike ("u", "da").
shell::Control spikeLabel(std::string name, std::string caption, double left, double top,
                          double width, double height, double points = 20.25);

// The round beads of the reading screens: a unit bead keeps a shape's plain
// fill, a tens bead is red.
shell::Control shapeBead(std::string name, const Abacus& a, const Spike& s, int slot, bool red);

// A bead picture, not stretched.
shell::Control imageBead(std::string name, bool red, double left, double top);

}  // namespace abacus

// What the two number-line screens share below the line: the instruction,
// the confirmation label, the score line, the faces, the chalk and sponge
// hotspots, the return labels and the footer. The line, its marks and its
// boxes are each screen's own.
#pragma once
#include <string>
#include <vector>

#include "frame/exercise.h"
#include "shell/control.h"

namespace numberline {

// The label that tells the child what to do.
constexpr const char* kInstruction = "Label1";

struct LineLayout {
  std::string instruction;  // Label1's caption
  bool within20 = false;    // return labels' captions
  double rightDisplayLeft;  // Label17
  std::string rightDisplay; // Label17's design caption
};

// Label1, Label14, Label15, Label17, Label18, Label19, Label20, Image1
// (front), Image2, Image3, Label2, Label3, Label22, Label23, Label21.
std::vector<shell::Control> lineFrame(const LineLayout& l);

// The frame's names on these screens: Label2 asks for a new round, Label3
// ends the program, Label22 and Label23 return to the menus.
frame::FrameControls lineFrameControls(bool within20);

}  // namespace numberline

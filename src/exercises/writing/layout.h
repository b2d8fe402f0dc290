// Design-table rows that the writing screens share but place differently:
// the score line ("ESATTI:", right-answer display, spare display, "SU",
// question display), the three faces, the return labels and the footer.
// Each screen gives its own names and positions; sizes and fonts are common.
#pragma once
#include <string>
#include <vector>

#include "frame/standard_layout.h"
#include "shell/control.h"

namespace writing {

struct At {
  std::string name;
  double left, top;
};

struct ScoreLine {
  At esatti, right, spare, su, question;
  std::string rightCaption = "";  // the right-answer display's design caption
  double rightWidth = 615, rightHeight = 615;
};

std::vector<shell::Control> scoreLine(const ScoreLine& s);

using frame::faces;
using frame::FrontFace;

// "VAI A MENU PRINCIPALE" and "TORNA A MENU10" / "TORNA A MENU20".
shell::Control mainMenuLabel(std::string name, double left, double top);
shell::Control menuLabel(std::string name, bool within20, double left, double top);
shell::Control footer(std::string name, double left, double top, double width, double height);

// A fixed white text (headings, instructions, the confirmation labels).
shell::Control fixedText(std::string name, std::string caption, double points, double left, double top,
                         double width, double height);

}  // namespace writing

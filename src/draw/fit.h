// The board in a window larger than the screen (the desktop's whole-screen
// mode, the browser's page): scaled by one factor, the largest that fits,
// centred with its corner on a whole pixel, plain dark margins round it.
#pragma once
#include "drawing.h"

namespace draw {

struct Fit {
  double factor = 1;
  double x = 0, y = 0;  // the board's top-left corner in the window
};

// board and window sizes in the same pixels.
Fit fit(double boardWidth, double boardHeight, double windowWidth, double windowHeight);

constexpr Rgb kMarginColour = 0x181818;

}  // namespace draw

// The board in a window larger than the screen (the desktop's whole-screen
// mode, the browser's page): scaled by one factor, the largest that fits,
// centred with its corner on a whole pixel, plain dark margins round it.
#pragma once
#include "drawing.h"

namespace draw {

struct Fit {
  double factor = 1;
  double x = 0, y = 0;  // the board's top-left corner in the window
  double boardWidth = 0, boardHeight = 0;  // the board's own size

  // A window position as a position of the board, wherever it is (a drag
  // goes on past the board's edge), and whether it lies on the board, not
  // in the margin; and a rectangle of the board as the window shows it.
  struct Point { double x = 0, y = 0; };
  Point toBoard(double windowX, double windowY) const;
  bool onBoard(double windowX, double windowY) const;
  Rect toWindow(const Rect& board) const;
};

// board and window sizes in the same pixels.
Fit fit(double boardWidth, double boardHeight, double windowWidth, double windowHeight);

constexpr Rgb kMarginColour = 0x181818;

}  // namespace draw

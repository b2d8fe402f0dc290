#include "fit.h"

#include <algorithm>
#include <cmath>

namespace draw {

Fit fit(double boardWidth, double boardHeight, double windowWidth, double windowHeight) {
  Fit f;
  f.boardWidth = boardWidth;
  f.boardHeight = boardHeight;
  if (boardWidth <= 0 || boardHeight <= 0) return f;
  f.factor = std::min(windowWidth / boardWidth, windowHeight / boardHeight);
  if (!(f.factor > 0)) f.factor = 1;
  // A whole pixel for the corner, so that the board's edges fall on the
  // same pixels at every repaint.
  f.x = std::floor((windowWidth - boardWidth * f.factor) / 2);
  f.y = std::floor((windowHeight - boardHeight * f.factor) / 2);
  return f;
}

Fit::Point Fit::toBoard(double windowX, double windowY) const {
  return {(windowX - x) / factor, (windowY - y) / factor};
}

bool Fit::onBoard(double windowX, double windowY) const {
  const Point p = toBoard(windowX, windowY);
  return p.x >= 0 && p.y >= 0 && p.x < boardWidth && p.y < boardHeight;
}

Rect Fit::toWindow(const Rect& r) const { return {x + r.x * factor, y + r.y * factor, r.w * factor, r.h * factor}; }

}  // namespace draw

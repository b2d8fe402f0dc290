#include "fit.h"

#include <algorithm>
#include <cmath>

namespace draw {

Fit fit(double boardWidth, double boardHeight, double windowWidth, double windowHeight) {
  Fit f;
  if (boardWidth <= 0 || boardHeight <= 0) return f;
  f.factor = std::min(windowWidth / boardWidth, windowHeight / boardHeight);
  if (!(f.factor > 0)) f.factor = 1;
  // A whole pixel for the corner, so that the board's edges fall on the
  // same pixels at every repaint.
  f.x = std::floor((windowWidth - boardWidth * f.factor) / 2);
  f.y = std::floor((windowHeight - boardHeight * f.factor) / 2);
  return f;
}

}  // namespace draw

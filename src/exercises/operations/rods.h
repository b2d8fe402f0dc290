// Coloured rods drawn on the board of the rod screens: a rod for n is n
// squares of 855 twips side by side, filled with n's rod colour; a remainder
// box has the same size but only its outline drawn, for a part that is
// missing or taken away. These are boxes for the screen's drawing surface,
// not controls: they take no events.
#pragma once
#include "frame/colours.h"
#include "shell/screen.h"

namespace operations {

constexpr double kRodUnit = 855;    // one square, 57 pixels
constexpr double kRodsLeft = 500;   // every row starts here
constexpr double kFirstRow = 2000;
constexpr double kSecondRow = 3000;

// n from 0 to 9; a rod for 0 has no width.
inline shell::Box rod(long long n, double left, double top, bool solid = true) {
  const auto colour = frame::rodColour(n);
  return {left, top, static_cast<double>(n) * kRodUnit, kRodUnit,
          colour ? colour->fill : shell::kBlack, solid};
}

inline shell::Box remainderBox(long long n, double left, double top) {
  return rod(n, left, top, false);
}

// Where a rod that follows a rod of n units on the same row starts.
inline double after(long long n) { return kRodsLeft + static_cast<double>(n) * kRodUnit; }

}  // namespace operations

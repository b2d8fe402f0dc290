// The picture of the moment: every loaded screen's drawing, front to back,
// with what its controls show under the pointer, and the focused box of the
// active one; the empty chalkboard once the program has ended.
//
// It reads the screens and changes nothing; it does not know when the
// picture is shown.
#pragma once
#include "draw/drawing.h"
#include "frame.h"

namespace shell {
class Program;
}

namespace session {

// `voice`: a phrase can be tapped (the hand over it). `board`: the board's
// size kept from the last frame, for when no screen is shown.
Frame capture(const shell::Program& program, const draw::Measure& measure, bool voice, draw::Rect board);

}  // namespace session

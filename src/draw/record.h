// The recorder: turns a loaded screen into the drawing that every edition
// replays. Back colour, chalkboard, the boxes drawn on the board, then the
// controls from back to front (text boxes over every other kind), then the
// outline of a bead being dragged. Knows nothing of any exercise: it only
// draws the model.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"

namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace draw {

Drawing record(const shell::Program& program, const shell::Screen& screen, const Measure& measure);

// The back colour and the chalkboard alone: where every screen's drawing
// begins, and what the page shows once the program has ended.
Drawing emptyBoard(const Rect& client, shell::Colour back = shell::kNoColour);

// The screen's client area, and a control's rectangle, in logical pixels.
Rect clientRect(const shell::Screen& screen);
Rect pixels(const shell::Control& c);

// The two system colours the screens use, and the window colours, resolved
// to the classic shades; other values are 0x00BBGGRR.
Rgb colour(shell::Colour c);
// The face and a pixel size that keeps the layout of the twips at any dpi.
FontSpec font(const shell::Font& f);

// A caption broken into lines as a label draws it: at blanks, the widest
// run of words that fits the width on each line (a single word wider than
// the width stands alone), at every line break; the blanks where a line is
// broken go with the break. width is what each line measures.
struct Line {
  std::string text;
  double width = 0;
};
std::vector<Line> wrap(std::string_view caption, double width, const FontSpec& font, const Measure& measure);

// The pictures: their file names (without ".png"), natural sizes, and the
// pointers' pictures and hot spots.
struct Size { int w = 0, h = 0; };
struct Point { int x = 0, y = 0; };
const char* pictureName(shell::Picture p);  // nullptr for Picture::None
Size pictureSize(shell::Picture p);
shell::Picture pointerPicture(shell::Pointer p);  // Picture::None for the arrow
Point hotSpot(shell::Pointer p);

}  // namespace draw

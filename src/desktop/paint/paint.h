// Paints a loaded screen as the child sees it: the back colour, the
// chalkboard, the boxes drawn on the board, then the controls from back to
// front. Works in logical pixels (a twip is 1/15 of one), so the same picture
// comes out sharp at any device pixel ratio. Knows nothing of any exercise:
// it only draws the model.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRectF>

#include "shell/control.h"

class QPainter;

namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace paint {

void paint(QPainter& painter, const shell::Program& program, const shell::Screen& screen);
QImage render(const shell::Program& program, const shell::Screen& screen, qreal devicePixelRatio);

// The screen's client area in logical pixels.
QSize clientSize(const shell::Screen& screen);
// A control's rectangle in logical pixels.
QRectF pixels(const shell::Control& c);

// Resolves the two system colours the screens use; other values are 0x00BBGGRR.
QColor colour(shell::Colour c);
// The face and a pixel size that keeps the layout of the twips at any dpi.
QFont font(const shell::Font& f);

// The pictures the program carries (a null image for Picture::None).
const QImage& picture(shell::Picture p);
// The picture of a mouse pointer and its hot spot.
shell::Picture pointerPicture(shell::Pointer p);
QPoint hotSpot(shell::Pointer p);

}  // namespace paint

// The desktop's painter: replays the drawing of a screen (src/draw) on a
// QPainter and measures text with Qt's metrics. Works in logical pixels, so
// the same picture comes out sharp at any device pixel ratio and at any
// scale the painter is given.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRectF>

#include "draw/drawing.h"
#include "shell/control.h"

class QPainter;

namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace paint {

// Text measured as the desktop draws it.
class QtMeasure : public draw::Measure {
 public:
  double advance(const draw::FontSpec& font, std::string_view utf8) const override;
  draw::LineMetrics metrics(const draw::FontSpec& font) const override;
};

void replay(QPainter& painter, const draw::Drawing& drawing);
void paint(QPainter& painter, const shell::Program& program, const shell::Screen& screen);
QImage render(const shell::Program& program, const shell::Screen& screen, qreal devicePixelRatio);

// The screen's client area in logical pixels.
QSize clientSize(const shell::Screen& screen);
// A control's rectangle in logical pixels.
QRectF pixels(const shell::Control& c);

QColor rgb(draw::Rgb c);
QFont font(const draw::FontSpec& f);
QFont font(const shell::Font& f);

// The pictures the program carries (a null image for Picture::None).
const QImage& picture(shell::Picture p);
// The picture of a mouse pointer and its hot spot.
shell::Picture pointerPicture(shell::Pointer p);
QPoint hotSpot(shell::Pointer p);

}  // namespace paint

// The desktop's painter: replays the drawing of a screen (src/draw) on a
// QPainter, with the text laid out by the faces' own tables
// (draw::FaceMeasure) and drawn by Qt in the same faces. Works in logical
// pixels, so the same picture comes out sharp at any device pixel ratio and
// at any scale the painter is given.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRectF>

#include "draw/drawing.h"
#include "shell/control.h"

class QPainter;

namespace paint {

void replay(QPainter& painter, const draw::Drawing& drawing);
// A board's drawing on its own, `size` logical pixels, over black.
QImage render(const draw::Drawing& drawing, QSize size, qreal devicePixelRatio);

QColor rgb(draw::Rgb c);
// The Qt font of a drawing font: one of the Liberation files, loaded on first use.
QFont font(const draw::FontSpec& f);

// Loads the Liberation faces from Debian's fonts-liberation2 by path (once;
// font() calls it), with one warning on stderr if a file is missing.
// False then.
bool loadFaces();

// The pictures the program carries (a null image for Picture::None).
const QImage& picture(shell::Picture p);
// The picture of a mouse pointer and its hot spot.
shell::Picture pointerPicture(shell::Pointer p);
QPoint hotSpot(shell::Pointer p);

}  // namespace paint

// The browser's drawing backend: replays a recorded screen on the page's
// canvas (2D context, see site/canvas.js). Takes no decision about how a
// control looks, nor where a caption wraps: draw::record does, with the
// text measured by draw::FaceMeasure, not by the browser.
#pragma once
#include <string>

#include "draw/drawing.h"

namespace web {

// The CSS font of a face, e.g. `bold 64px "Liberation Sans"`.
std::string cssFont(const draw::FontSpec& font);

// Draws the list on the canvas, which the page has sized to width x height
// logical pixels.
void replay(const draw::Drawing& drawing, double width, double height);

}  // namespace web

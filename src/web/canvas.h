// The browser's drawing backend: replays a recorded screen on the page's
// canvas (2D context, see site/canvas.js) and measures text there. Takes no
// decision about how a control looks; draw::record does.
#pragma once
#include <string>
#include <unordered_map>

#include "draw/drawing.h"

namespace web {

class CanvasMeasure : public draw::Measure {
 public:
  double advance(const draw::FontSpec& font, std::string_view utf8) const override;
  draw::LineMetrics metrics(const draw::FontSpec& font) const override;

 private:
  mutable std::unordered_map<std::string, double> advances_;
  mutable std::unordered_map<std::string, draw::LineMetrics> metrics_;
};

// The CSS font of a face, e.g. `bold 64px "Liberation Sans"`.
std::string cssFont(const draw::FontSpec& font);

// Draws the list on the canvas, which the page has sized to width x height
// logical pixels.
void replay(const draw::Drawing& drawing, double width, double height);

}  // namespace web

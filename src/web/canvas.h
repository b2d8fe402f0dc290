// The browser's drawing backend, the C++ half: measures text on the page's
// canvas, and turns a recorded drawing into one buffer of numbers that the
// page's board.js draws command by command. Takes no decision about how a
// control looks; draw::record does.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

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

// The buffer: the board's size, then each command as its code and its
// numbers; a text as its font, colour, place, length and UTF-16 code units.
// board.js reads the same layout.
enum Code { kBegin = 0, kFill, kStroke, kSegment, kImage, kText, kClip, kUnclip };
std::vector<double> encode(const draw::Drawing& drawing, double width, double height);

}  // namespace web

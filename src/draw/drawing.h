// What a screen looks like, as a short list of plain drawing commands in
// logical pixels (a twip is 1/15 of one): fill this rectangle, draw this
// line of text at this baseline, this picture stretched here, a segment, an
// ellipse, a clip. Every decision about how a control is drawn (stacking,
// wrapping, greyed captions, the caret, the outline of a dragged bead) is
// taken once, by the recorder (record.h); a backend only replays the list
// and measures text. No toolkit is included here.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shell/control.h"

namespace draw {

// An opaque colour, 0xRRGGBB (not the screens' 0x00BBGGRR).
using Rgb = std::uint32_t;
constexpr int red(Rgb c) { return int(c >> 16) & 0xFF; }
constexpr int green(Rgb c) { return int(c >> 8) & 0xFF; }
constexpr int blue(Rgb c) { return int(c) & 0xFF; }

struct Rect {
  double x = 0, y = 0, w = 0, h = 0;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  bool operator==(const Rect&) const = default;
};

// A face the backends carry (the screens' Arial and MS Sans Serif are the
// sans face, Times New Roman the serif one), at a whole pixel size.
enum class Family { Sans, Serif };
struct FontSpec {
  Family family = Family::Sans;
  int pixelSize = 13;
  bool bold = true;
  bool operator==(const FontSpec&) const = default;
};

// The one question the recorder asks its backend: how wide a text is, and
// how tall a line of a font is.
struct LineMetrics {
  double ascent = 0, descent = 0, leading = 0;
  double height() const { return ascent + descent; }
};
class Measure {
 public:
  virtual ~Measure() = default;
  virtual double advance(const FontSpec& font, std::string_view utf8) const = 0;
  virtual LineMetrics metrics(const FontSpec& font) const = 0;
};

enum class Figure { Rectangle, Ellipse, RoundedRectangle };

// A filled figure. Rounded rectangles have corners of the given radius.
struct Fill {
  Rect rect;
  Rgb colour = 0;
  Figure figure = Figure::Rectangle;
  double radius = 0;
  bool antialias = false;
  bool operator==(const Fill&) const = default;
};

// The outline of a figure, the pen centred on the rectangle's edge (square
// caps, mitred corners). Dotted outlines are 1 on, 2 off.
struct Stroke {
  Rect rect;
  Rgb colour = 0;
  double width = 1;
  Figure figure = Figure::Rectangle;
  double radius = 0;
  bool antialias = false;
  bool dotted = false;
  bool operator==(const Stroke&) const = default;
};

// A straight segment (square caps).
struct Segment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour = 0;
  double width = 1;
  bool antialias = false;
  bool operator==(const Segment&) const = default;
};

// One of the program's pictures in a rectangle (stretched to it, smoothly).
struct Image {
  shell::Picture picture = shell::Picture::None;
  Rect rect;
  bool operator==(const Image&) const = default;
};

// One line of text, its left end at x on the baseline, as wide as it was
// measured (a backend whose rasteriser draws it wider fits it to that).
struct Text {
  double x = 0, baseline = 0;
  FontSpec font;
  Rgb colour = 0;
  std::string text;  // UTF-8
  double width = 0;
  bool operator==(const Text&) const = default;
};

// Clip pushes a rectangle (intersected with the current clip); Unclip pops it.
struct Clip {
  Rect rect;
  bool operator==(const Clip&) const = default;
};
struct Unclip {
  bool operator==(const Unclip&) const = default;
};

using Command = std::variant<Fill, Stroke, Segment, Image, Text, Clip, Unclip>;
using Drawing = std::vector<Command>;

}  // namespace draw

#include "record.h"

#include <algorithm>
#include <cmath>

#include "shell/program.h"
#include "record/portraits.h"

namespace draw {

using shell::Control;
using shell::Kind;

namespace {

constexpr double kTwips = shell::kTwipsPerPixel;
constexpr double kOutlineBoxBorder = 6;  // pixels: clearly unlike a solid rod
// The screens were laid out with a renderer whose glyphs come out a shade
// narrower: a caption that misses its line by a hair (at most 2 pixels or
// 1 % of the label's width) stays on one line, as it did there, instead of
// wrapping into a second line that is cut off.
constexpr double kNarrowerGlyphs = 0.01;
constexpr double kHairPixels = 2;

constexpr Rgb kShadow = 0x808080;
constexpr Rgb kDarkShadow = 0x404040;
constexpr Rgb kLight = 0xE3E3E3;
constexpr Rgb kHighlight = 0xFFFFFF;
constexpr Rgb kBlackRgb = 0x000000;
constexpr Rgb kWhiteRgb = 0xFFFFFF;

Rect inset(Rect r, double dx, double dy) { return {r.x + dx, r.y + dy, r.w - 2 * dx, r.h - 2 * dy}; }

// Records into one Drawing; the controls' own rules live in its members.
class Recorder {
 public:
  Recorder(const Measure& measure, Drawing& out) : measure_(measure), out_(out) {}

  void label(const Control& c) {
    const Rect r = pixels(c);
    if (c.opaque) out_.push_back(Fill{r, colour(c.backColor)});
    if (c.framed)  // a thin single border, inside the label's rectangle
      out_.push_back(Stroke{inset(r, 0.5, 0.5), kBlackRgb});
    if (c.caption.empty()) return;
    const FontSpec f = font(c.font);
    Rect clip = r;
    std::vector<Line> lines;
    const double overflow = measure_.advance(f, c.caption) - r.w;
    if (overflow > 0 && overflow <= std::max(kHairPixels, r.w * kNarrowerGlyphs) &&
        c.caption.find('\n') == std::string::npos) {
      lines.push_back({c.caption, r.w + overflow});
      clip = {r.x - overflow, r.y, r.w + 2 * overflow, r.h};
    } else {
      lines = wrap(c.caption, r.w, f, measure_);
    }
    out_.push_back(Clip{clip});
    const LineMetrics m = measure_.metrics(f);
    if (c.enabled) {
      captionLines(lines, r, c.align, f, m, colour(c.foreColor));
    } else {
      // Greyed and embossed, as a disabled label is drawn.
      captionLines(lines, {r.x + 1, r.y + 1, r.w, r.h}, c.align, f, m, kHighlight);
      captionLines(lines, r, c.align, f, m, kShadow);
    }
    out_.push_back(Unclip{});
  }

  // A one-line box with a sunken border; the caret sits after the text.
  void textBox(const Control& c, bool focused) {
    const Rect r = pixels(c);
    const Rgb back = colour(c.backColor);
    out_.push_back(Fill{r, back});
    const double l = r.x, t = r.y, ri = r.right(), b = r.bottom();
    segment(l + 0.5, b - 0.5, l + 0.5, t + 0.5, kShadow);
    segment(l + 0.5, t + 0.5, ri - 0.5, t + 0.5, kShadow);
    segment(l + 1.5, b - 1.5, l + 1.5, t + 1.5, kDarkShadow);
    segment(l + 1.5, t + 1.5, ri - 1.5, t + 1.5, kDarkShadow);
    segment(l + 0.5, b - 0.5, ri - 0.5, b - 0.5, kHighlight);
    segment(ri - 0.5, b - 0.5, ri - 0.5, t + 0.5, kHighlight);
    segment(l + 1.5, b - 1.5, ri - 1.5, b - 1.5, kLight);
    segment(ri - 1.5, b - 1.5, ri - 1.5, t + 1.5, kLight);

    const Rect inside = {r.x + 3, r.y + 2, r.w - 6, r.h - 4};
    out_.push_back(Clip{inside});
    const FontSpec f = font(c.font);
    const LineMetrics m = measure_.metrics(f);
    const double width = measure_.advance(f, c.text);
    double x = inside.x;
    if (c.align == shell::Align::Centre) x = inside.x + inside.w / 2 - width / 2;
    if (c.align == shell::Align::Right) x = inside.right() - width;
    const double top = inside.y + inside.h / 2 - m.height() / 2;
    if (!c.text.empty())
      out_.push_back(Text{x, top + m.ascent, f, c.enabled ? colour(c.foreColor) : kShadow, c.text, width});
    if (focused) {
      // The caret inverts the box colour, so it shows on every box.
      const double caretX = std::min(x + width + 1, inside.right() - 2);
      const double caretTop = std::max(top, inside.y + 1);
      const double caretBottom = std::min(top + m.height(), inside.bottom() - 1);
      const double caretWidth = std::max(2.0, f.pixelSize / 40.0);
      out_.push_back(Fill{{caretX, caretTop, caretWidth, caretBottom - caretTop}, 0xFFFFFF ^ back});
    }
    out_.push_back(Unclip{});
  }

  void image(const Control& c) {
    if (c.picture == shell::Picture::None) return;
    Rect r = pixels(c);
    if (!c.stretch) {
      const Size s = pictureSize(c.picture);
      r.w = s.w;
      r.h = s.h;
    }
    out_.push_back(Image{c.picture, r});
  }

  void shape(const Control& c) {
    Rect r = pixels(c);
    const bool square = c.shape == 1 || c.shape == 3 || c.shape == 5;
    if (square) {
      const double side = std::min(r.w, r.h);
      r = {r.x + r.w / 2 - side / 2, r.y + r.h / 2 - side / 2, side, side};
    }
    const Figure figure = c.shape == 2 || c.shape == 3   ? Figure::Ellipse
                          : c.shape == 4 || c.shape == 5 ? Figure::RoundedRectangle
                                                         : Figure::Rectangle;
    const double radius = std::min(r.w, r.h) / 6;
    const bool smooth = c.shape >= 2;
    if (c.filled) out_.push_back(Fill{r, colour(c.backColor), figure, radius, smooth});
    if (c.fillStyle == 0) out_.push_back(Fill{r, colour(c.fillColor), figure, radius, smooth});
    // A thick border lies inside the shape's rectangle.
    const double pen = std::max(1, c.borderWidth);
    out_.push_back(Stroke{inset(r, pen / 2, pen / 2), colour(c.borderColor), pen, figure, radius, smooth});
  }

  void line(const Control& c) {
    out_.push_back(Segment{c.left / kTwips, c.top / kTwips, c.x2 / kTwips, c.y2 / kTwips,
                           colour(c.borderColor), double(std::max(1, c.borderWidth)), true});
  }

  void box(const shell::Box& b) {
    const Rect r{b.left / kTwips, b.top / kTwips, b.width / kTwips, b.height / kTwips};
    const Rgb c = colour(b.colour);
    if (b.solid) {
      out_.push_back(Fill{r, c});
      return;
    }
    // An outlined box: a frame of four bars inside the rectangle.
    const double w = std::min(kOutlineBoxBorder, std::min(r.w, r.h) / 2);
    out_.push_back(Fill{{r.x, r.y, r.w, w}, c});
    out_.push_back(Fill{{r.x, r.bottom() - w, r.w, w}, c});
    out_.push_back(Fill{{r.x, r.y + w, w, r.h - 2 * w}, c});
    out_.push_back(Fill{{r.right() - w, r.y + w, w, r.h - 2 * w}, c});
  }

  // A picture being dragged shows only as a dotted outline under the mouse.
  void dragOutline(const Rect& r) {
    out_.push_back(Stroke{inset(r, 0.5, 0.5), kBlackRgb, 1, Figure::Rectangle, 0, false, true});
    out_.push_back(Stroke{inset(r, 1.5, 1.5), kWhiteRgb, 1, Figure::Rectangle, 0, false, true});
  }

 private:
  void segment(double x1, double y1, double x2, double y2, Rgb c) {
    out_.push_back(Segment{x1, y1, x2, y2, c, 1, false});
  }

  void captionLines(const std::vector<Line>& lines, const Rect& r, shell::Align align, const FontSpec& f,
                    const LineMetrics& m, Rgb c) {
    double top = r.y;
    for (const Line& l : lines) {
      double x = r.x;
      if (align == shell::Align::Centre) x = r.x + (r.w - l.width) / 2;
      if (align == shell::Align::Right) x = r.right() - l.width;
      if (!l.text.empty()) out_.push_back(Text{x, top + m.ascent, f, c, l.text, l.width});
      top += m.height() + m.leading;
    }
  }

  const Measure& measure_;
  Drawing& out_;
};

}  // namespace

Rect clientRect(const shell::Screen& screen) {
  return {0, 0, std::floor(shell::kClientWidth / kTwips), std::floor(screen.height() / kTwips)};
}

Rect pixels(const Control& c) { return {c.left / kTwips, c.top / kTwips, c.width / kTwips, c.height / kTwips}; }

Rgb colour(shell::Colour c) {
  if (shell::isSystemColour(c)) {
    switch (c & 0xFF) {
      case 0x05: return 0xFFFFFF;  // window background
      case 0x08: return 0x000000;  // window text
      case 0x0F: return 0xF0F0F0;  // button face
      case 0x10: return 0xA0A0A0;  // button shadow
      case 0x12: return 0x000000;  // button text
      case 0x14: return 0xFFFFFF;  // button highlight
      default: return 0x000000;
    }
  }
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

FontSpec font(const shell::Font& f) {
  // Points at 96 dpi, whatever the screen's real dpi.
  return {f.face == "Times New Roman" ? Family::Serif : Family::Sans,
          std::max(1, int(std::lround(f.points * 96 / 72))), f.bold};
}

std::vector<Line> wrap(std::string_view caption, double width, const FontSpec& font, const Measure& measure) {
  std::vector<Line> lines;
  auto add = [&](std::string_view text) { lines.push_back({std::string(text), measure.advance(font, text)}); };
  size_t start = 0;
  while (true) {
    const size_t end = std::min(caption.find('\n', start), caption.size());
    const std::string_view paragraph = caption.substr(start, end - start);
    // Each word ends where a run of blanks begins; a line is broken before
    // the first word that does not fit.
    size_t lineStart = 0, fits = 0;  // fits: the end of the last word that fits
    for (size_t i = 0; i <= paragraph.size(); ++i) {
      const bool wordEnds = i == paragraph.size() ? i > 0 && paragraph[i - 1] != ' '
                                                  : paragraph[i] == ' ' && i > 0 && paragraph[i - 1] != ' ';
      if (!wordEnds || i <= lineStart) continue;
      if (fits > lineStart && measure.advance(font, paragraph.substr(lineStart, i - lineStart)) > width) {
        add(paragraph.substr(lineStart, fits - lineStart));  // the blanks at the break go
        lineStart = paragraph.find_first_not_of(' ', fits);
        if (lineStart == std::string_view::npos) lineStart = paragraph.size();
      }
      fits = i;
    }
    if (lineStart < paragraph.size() || lines.empty() || paragraph.empty()) add(paragraph.substr(lineStart));
    if (end >= caption.size()) break;
    start = end + 1;
  }
  return lines;
}

Drawing emptyBoard(const Rect& client, shell::Colour back) {
  Drawing out;
  out.reserve(64);
  out.push_back(Fill{client, colour(back == shell::kNoColour ? shell::kButtonFace : back)});
  const Size board = pictureSize(shell::Picture::Chalkboard);
  out.push_back(Image{shell::Picture::Chalkboard, {0, 0, double(board.w), double(board.h)}});
  return out;
}

Drawing record(const shell::Program& program, const shell::Screen& screen, const Measure& measure) {
  Drawing out = emptyBoard(clientRect(screen), screen.design().backColor);

  Recorder r(measure, out);
  for (const shell::Box& b : screen.boxes()) r.box(b);

  // Back to front: later controls first, so that earlier ones end in front;
  // text boxes lie over every other kind.
  const auto& controls = screen.controls();
  const bool active = program.active() == &screen;
  for (bool boxes : {false, true}) {
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      const Control& c = *it;
      if (!c.visible || (c.kind == Kind::TextBox) != boxes) continue;
      switch (c.kind) {
        case Kind::Label: r.label(c); break;
        case Kind::TextBox: r.textBox(c, active && screen.focus() == &c); break;
        case Kind::Image: r.image(c); break;
        case Kind::Shape: r.shape(c); break;
        case Kind::Line: r.line(c); break;
      }
    }
  }

  if (const auto drag = program.dragging(); drag && drag->screen == screen.number()) {
    for (const Control& c : controls) {
      if (c.name != drag->picture) continue;
      const double w = c.width / kTwips, h = c.height / kTwips;
      r.dragOutline({drag->x / kTwips - w / 2, drag->y / kTwips - h / 2, w, h});
    }
  }
  return out;
}

const char* pictureName(shell::Picture p) {
  using shell::Picture;
  switch (p) {
    case Picture::Chalkboard: return "chalkboard";
    case Picture::FaceNeutral: return "face_neutral";
    case Picture::FaceHappy: return "face_happy";
    case Picture::FaceSad: return "face_sad";
    case Picture::BeadWhite: return "bead_white";
    case Picture::BeadRed: return "bead_red";
    case Picture::ArrowBack: return "arrow_back";
    case Picture::PointerHand: return "pointer_hand";
    case Picture::PointerChalk: return "pointer_chalk";
    case Picture::PointerGrab: return "pointer_grab";
    case Picture::Guest: return "portrait_ospite";
    case Picture::None: break;
    default: {
      const int i = static_cast<int>(p) - static_cast<int>(Picture::Portrait);
      return i >= 0 && i < record::kPortraitCount ? record::kPortraits[i].file : nullptr;
    }
  }
  return nullptr;
}

Size pictureSize(shell::Picture p) {
  if (p == shell::Picture::None) return {0, 0};
  if (p == shell::Picture::Chalkboard) return {800, 600};
  if (p >= shell::Picture::Guest) return {96, 96};
  return {32, 32};
}

shell::Picture pointerPicture(shell::Pointer p) {
  switch (p) {
    case shell::Pointer::Hand: return shell::Picture::PointerHand;
    case shell::Pointer::Chalk: return shell::Picture::PointerChalk;
    case shell::Pointer::Grab: return shell::Picture::PointerGrab;
    case shell::Pointer::Arrow: break;
  }
  return shell::Picture::None;
}

Point hotSpot(shell::Pointer p) {
  switch (p) {
    case shell::Pointer::Hand: return {12, 1};   // the tip of the index finger
    case shell::Pointer::Chalk: return {16, 16};  // the middle of the icon
    case shell::Pointer::Grab: return {16, 14};  // the palm
    case shell::Pointer::Arrow: break;
  }
  return {0, 0};
}

}  // namespace draw

// A control of a screen: the five kinds (label, text box, image, shape, line)
// share one plain record of properties. Which of them a kind uses is said
// beside each field; the screen model never interprets them beyond hit
// testing, focus and typing, and the painter draws them.
#pragma once
#include <string>
#include <string_view>

#include "units.h"

namespace shell {

enum class Kind { Label, TextBox, Image, Shape, Line };

enum class Align { Left = 0, Right = 1, Centre = 2 };

// The pictures the program carries. Guest is the picture of who plays
// unrecorded; the children's portraits follow Portrait: Portrait + i is the
// i-th of record::kPortraits.
enum class Picture {
  None, Chalkboard, FaceNeutral, FaceHappy, FaceSad, BeadWhite, BeadRed,
  ArrowBack, PointerHand, PointerChalk, PointerGrab, Guest, Portrait,
};
inline Picture portrait(int i) { return static_cast<Picture>(static_cast<int>(Picture::Portrait) + i); }

enum class Pointer { Arrow, Hand, Chalk, Grab };

// The mouse buttons, as mouse events carry them.
enum class Button { Left = 1, Right = 2, Middle = 4 };

struct Font {
  std::string face = "Arial";
  double points = 9.75;
  bool bold = true;
};

struct Control {
  Kind kind = Kind::Label;
  std::string name;
  double left = 0, top = 0, width = 0, height = 0;  // twips

  std::string caption;  // Label
  std::string text;     // TextBox
  Font font;
  Colour foreColor = kWhite;
  Colour backColor = 0xC0E0FF;
  bool opaque = false;  // Label BackStyle 1
  bool framed = false;  // Label BorderStyle 1: a thin border round the label
  Align align = Align::Left;
  bool visible = true;
  bool enabled = true;
  bool locked = false;  // TextBox
  int tabIndex = 0;     // TextBox
  bool takesWords = false;  // TextBox: the child types a word, not digits
  std::string toolTip;
  // What resting on it says in place of its caption or tooltip: the sponge
  // of the screens whose sponge has no tooltip, a child's picture on "Chi
  // sei?", which says what it shows ("IL GATTO"), not the child's name.
  std::string spoken;
  Pointer pointer = Pointer::Arrow;
  Picture picture = Picture::None;  // Image
  bool stretch = true;              // Image

  // Shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle,
  // 5 rounded square. Line: from (left, top) to (x2, y2).
  int shape = 0;
  Colour borderColor = kBlack;
  Colour fillColor = kBlack;
  int borderWidth = 1;
  bool filled = false;  // Shape BackStyle 1: filled with backColor
  int fillStyle = 1;    // 0 solid with fillColor, 1 transparent
  double x2 = 0, y2 = 0;

  bool is(std::string_view n) const { return name == n; }
  bool contains(double x, double y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  double centreX() const { return left + width / 2; }
  double centreY() const { return top + height / 2; }
  void move(double l, double t) { left = l; top = t; }

  // Chained setters for design tables.
  Control& withCaption(std::string c) { caption = std::move(c); return *this; }
  Control& withText(std::string t) { text = std::move(t); return *this; }
  Control& withFont(double pts, std::string face = "Arial", bool bold = true) {
    font = Font{std::move(face), pts, bold};
    return *this;
  }
  Control& fore(Colour c) { foreColor = c; return *this; }
  Control& back(Colour c) { backColor = c; opaque = true; return *this; }
  Control& thinBorder() { framed = true; return *this; }
  Control& centred() { align = Align::Centre; return *this; }
  Control& right() { align = Align::Right; return *this; }
  Control& tip(std::string t) { toolTip = std::move(t); return *this; }
  Control& says(std::string t) { spoken = std::move(t); return *this; }
  Control& hand() { pointer = Pointer::Hand; return *this; }
  Control& chalk() { pointer = Pointer::Chalk; return *this; }
  Control& grab() { pointer = Pointer::Grab; return *this; }
  Control& hidden() { visible = false; return *this; }
  Control& disabled() { enabled = false; return *this; }
  Control& tab(int i) { tabIndex = i; return *this; }
  Control& words() { takesWords = true; return *this; }
  Control& border(Colour c, int w = 1) { borderColor = c; borderWidth = w; return *this; }
  Control& fill(Colour c) { fillColor = c; fillStyle = 0; return *this; }
};

// Design-table rows. Defaults: labels are transparent, white, Arial bold
// 9.75 pt, left-aligned; text boxes are light blue (0xC0E0FF), white,
// centred; images stretch their picture.
Control label(std::string name, double left, double top, double width, double height);
Control textBox(std::string name, double left, double top, double width, double height);
Control image(std::string name, Picture p, double left, double top, double width, double height);
Control shape(std::string name, int shape, double left, double top, double width, double height);
Control line(std::string name, double x1, double y1, double x2, double y2);

// A captionless, transparent click target laid over a drawing of the
// background (the chalk, the sponge): hand pointer and a tooltip.
Control hotspot(std::string name, double left, double top, double width, double height,
                std::string toolTip);

}  // namespace shell

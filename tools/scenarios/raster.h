// A software backend of the drawing commands: replays a screen's drawing
// into an RGBA buffer and writes it as PNG, with the Liberation fonts' glyphs
// drawn through stb_truetype and the pictures from the assets folder. It is
// what the scenario runner paints its snapshots with where there is no Qt
// (the runner built for node); the text is laid out, as in every edition,
// by draw::FaceMeasure. Plain pixel coverage, no anti-aliasing.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw/drawing.h"

namespace raster {

// The font files, read once, for drawing their glyphs.
class Fonts {
 public:
  Fonts();
  ~Fonts();

  struct Face;
  const Face* face(const draw::FontSpec& font) const;

 private:
  std::vector<std::unique_ptr<Face>> faces_;  // sans, sans bold, serif, serif bold
};

class Canvas {
 public:
  Canvas(int width, int height, const Fonts& fonts);
  void replay(const draw::Drawing& drawing);
  bool writePng(const std::string& path) const;
  std::uint32_t pixel(int x, int y) const { return pixels_[y * width_ + x]; }  // 0xRRGGBB

 private:
  struct Box { int x0, y0, x1, y1; };
  template <class Inside> void cover(Box box, draw::Rgb colour, Inside&& inside);
  void blend(int x, int y, draw::Rgb colour, int alpha);
  Box clip(double x0, double y0, double x1, double y1) const;
  void fill(const draw::Fill& f);
  void stroke(const draw::Stroke& s);
  void segment(const draw::Segment& s);
  void image(const draw::Image& i);
  void text(const draw::Text& t);

  int width_, height_;
  const Fonts& fonts_;
  std::vector<std::uint32_t> pixels_;
  std::vector<Box> clips_;
};

}  // namespace raster

#include "raster.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>

#include "draw/face_measure.h"
#include "draw/record.h"
#include "shell/units.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
#include <stb_image_write.h>
#include <stb_truetype.h>

#ifndef ASSETS_DIR
#define ASSETS_DIR "assets"
#endif

namespace raster {

struct Fonts::Face {
  std::vector<unsigned char> data;
  stbtt_fontinfo info{};
  bool ok = false;
  double scale(int pixelSize) const { return stbtt_ScaleForMappingEmToPixels(&info, float(pixelSize)); }
};

Fonts::Fonts() {
  for (const char* file : draw::kFaceFiles) {
    auto face = std::make_unique<Face>();
    std::ifstream in(file, std::ios::binary);
    face->data.assign(std::istreambuf_iterator<char>(in), {});
    face->ok = !face->data.empty() && stbtt_InitFont(&face->info, face->data.data(), 0) != 0;
    faces_.push_back(std::move(face));
  }
}

Fonts::~Fonts() = default;

const Fonts::Face* Fonts::face(const draw::FontSpec& f) const {
  const Face* face = faces_[draw::faceIndex(f)].get();
  return face->ok ? face : nullptr;
}

Canvas::Canvas(int width, int height, const Fonts& fonts)
    : width_(width), height_(height), fonts_(fonts), pixels_(size_t(width) * size_t(height), 0) {
  clips_.push_back({0, 0, width, height});
}

Canvas::Box Canvas::clip(double x0, double y0, double x1, double y1) const {
  const Box& c = clips_.back();
  return {std::max(c.x0, int(std::floor(x0))), std::max(c.y0, int(std::floor(y0))),
          std::min(c.x1, int(std::ceil(x1))), std::min(c.y1, int(std::ceil(y1)))};
}

void Canvas::blend(int x, int y, draw::Rgb colour, int alpha) {
  std::uint32_t& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
  if (alpha >= 255) {
    p = colour;
    return;
  }
  auto mix = [&](int shift) {
    const int a = int(p >> shift) & 0xFF, b = int(colour >> shift) & 0xFF;
    return std::uint32_t((a * (255 - alpha) + b * alpha) / 255) << shift;
  };
  p = mix(16) | mix(8) | mix(0);
}

// Every pixel of the box whose centre is inside the figure.
template <class Inside>
void Canvas::cover(Box b, draw::Rgb colour, Inside&& inside) {
  for (int y = b.y0; y < b.y1; ++y)
    for (int x = b.x0; x < b.x1; ++x)
      if (inside(x + 0.5, y + 0.5, x, y)) blend(x, y, colour, 255);
}

namespace {

bool within(draw::Figure f, const draw::Rect& r, double radius, double x, double y) {
  if (r.w <= 0 || r.h <= 0) return false;
  switch (f) {
    case draw::Figure::Ellipse: {
      const double dx = (x - (r.x + r.w / 2)) / (r.w / 2), dy = (y - (r.y + r.h / 2)) / (r.h / 2);
      return dx * dx + dy * dy <= 1;
    }
    case draw::Figure::RoundedRectangle: {
      const double k = std::min({radius, r.w / 2, r.h / 2});
      const double cx = std::clamp(x, r.x + k, r.right() - k), cy = std::clamp(y, r.y + k, r.bottom() - k);
      return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= k * k;
    }
    case draw::Figure::Rectangle: break;
  }
  return x >= r.x && x < r.right() && y >= r.y && y < r.bottom();
}

draw::Rect grown(const draw::Rect& r, double d) { return {r.x - d, r.y - d, r.w + 2 * d, r.h + 2 * d}; }

}  // namespace

void Canvas::fill(const draw::Fill& f) {
  const auto& r = f.rect;
  cover(clip(r.x, r.y, r.right(), r.bottom()), f.colour,
        [&](double x, double y, int, int) { return within(f.figure, r, f.radius, x, y); });
}

void Canvas::stroke(const draw::Stroke& s) {
  const draw::Rect outer = grown(s.rect, s.width / 2), inner = grown(s.rect, -s.width / 2);
  const double innerRadius = std::max(0.0, s.radius - s.width / 2);
  cover(clip(outer.x, outer.y, outer.right(), outer.bottom()), s.colour, [&](double x, double y, int px, int py) {
    if (s.dotted && (px + py) % 3 != 0) return false;
    return within(s.figure, outer, s.radius + s.width / 2, x, y) && !within(s.figure, inner, innerRadius, x, y);
  });
}

void Canvas::segment(const draw::Segment& s) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, length = std::hypot(dx, dy), half = s.width / 2;
  const double ux = length > 0 ? dx / length : 1, uy = length > 0 ? dy / length : 0;
  cover(clip(std::min(s.x1, s.x2) - half, std::min(s.y1, s.y2) - half, std::max(s.x1, s.x2) + half,
             std::max(s.y1, s.y2) + half),
        s.colour, [&](double x, double y, int, int) {
          const double along = (x - s.x1) * ux + (y - s.y1) * uy;  // square caps reach half a pen past the ends
          const double across = std::abs((x - s.x1) * -uy + (y - s.y1) * ux);
          return along >= -half && along <= length + half && across <= std::max(half, 0.5);
        });
}

void Canvas::image(const draw::Image& i) {
  struct Decoded { int w = 0, h = 0; std::vector<unsigned char> rgba; };
  static std::map<shell::Picture, Decoded> pictures;
  auto it = pictures.find(i.picture);
  if (it == pictures.end()) {
    Decoded d;
    int channels = 0;
    const std::string path = std::string(ASSETS_DIR) + "/" + (draw::pictureName(i.picture) ?: "") + ".png";
    if (unsigned char* data = stbi_load(path.c_str(), &d.w, &d.h, &channels, 4)) {
      d.rgba.assign(data, data + size_t(d.w) * size_t(d.h) * 4);
      stbi_image_free(data);
    }
    it = pictures.emplace(i.picture, std::move(d)).first;
  }
  const Decoded& d = it->second;
  const auto& r = i.rect;
  if (d.rgba.empty() || r.w <= 0 || r.h <= 0) return;
  const Box b = clip(r.x, r.y, r.right(), r.bottom());
  for (int y = b.y0; y < b.y1; ++y) {
    for (int x = b.x0; x < b.x1; ++x) {
      const int sx = std::clamp(int((x + 0.5 - r.x) / r.w * d.w), 0, d.w - 1);
      const int sy = std::clamp(int((y + 0.5 - r.y) / r.h * d.h), 0, d.h - 1);
      const unsigned char* p = &d.rgba[(size_t(sy) * size_t(d.w) + size_t(sx)) * 4];
      blend(x, y, (draw::Rgb(p[0]) << 16) | (draw::Rgb(p[1]) << 8) | p[2], p[3]);
    }
  }
}

void Canvas::text(const draw::Text& t) {
  const Fonts::Face* face = fonts_.face(t.font);
  if (!face) return;
  const float scale = float(face->scale(t.font.pixelSize));
  double x = t.x;
  unsigned previous = 0;
  std::vector<unsigned char> glyph;
  const Box& c = clips_.back();
  for (unsigned cp : shell::codePoints(t.text)) {
    if (previous) x += stbtt_GetCodepointKernAdvance(&face->info, int(previous), int(cp)) * scale;
    const float shift = float(x - std::floor(x));
    int x0, y0, x1, y1;
    stbtt_GetCodepointBitmapBoxSubpixel(&face->info, int(cp), scale, scale, shift, 0, &x0, &y0, &x1, &y1);
    const int w = x1 - x0, h = y1 - y0;
    if (w > 0 && h > 0) {
      glyph.assign(size_t(w) * size_t(h), 0);
      stbtt_MakeCodepointBitmapSubpixel(&face->info, glyph.data(), w, h, w, scale, scale, shift, 0, int(cp));
      const int left = int(std::floor(x)) + x0, top = int(std::lround(t.baseline)) + y0;
      for (int gy = 0; gy < h; ++gy)
        for (int gx = 0; gx < w; ++gx) {
          const int px = left + gx, py = top + gy;
          const int a = glyph[size_t(gy) * size_t(w) + size_t(gx)];
          if (a && px >= c.x0 && px < c.x1 && py >= c.y0 && py < c.y1) blend(px, py, t.colour, a);
        }
    }
    int advance = 0, bearing = 0;
    stbtt_GetCodepointHMetrics(&face->info, int(cp), &advance, &bearing);
    x += advance * scale;
    previous = cp;
  }
}

void Canvas::replay(const draw::Drawing& drawing) {
  for (const draw::Command& command : drawing) {
    if (auto* f = std::get_if<draw::Fill>(&command)) fill(*f);
    else if (auto* s = std::get_if<draw::Stroke>(&command)) stroke(*s);
    else if (auto* g = std::get_if<draw::Segment>(&command)) segment(*g);
    else if (auto* i = std::get_if<draw::Image>(&command)) image(*i);
    else if (auto* t = std::get_if<draw::Text>(&command)) text(*t);
    else if (auto* k = std::get_if<draw::Clip>(&command)) clips_.push_back(clip(k->rect.x, k->rect.y, k->rect.right(), k->rect.bottom()));
    else if (std::holds_alternative<draw::Unclip>(command) && clips_.size() > 1) clips_.pop_back();
  }
}

bool Canvas::writePng(const std::string& path) const {
  std::vector<unsigned char> rgba(pixels_.size() * 4);
  for (size_t i = 0; i < pixels_.size(); ++i) {
    rgba[i * 4] = (pixels_[i] >> 16) & 0xFF;
    rgba[i * 4 + 1] = (pixels_[i] >> 8) & 0xFF;
    rgba[i * 4 + 2] = pixels_[i] & 0xFF;
    rgba[i * 4 + 3] = 0xFF;
  }
  return stbi_write_png(path.c_str(), width_, height_, 4, rgba.data(), width_ * 4) != 0;
}

}  // namespace raster

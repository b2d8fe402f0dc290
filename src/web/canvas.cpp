#include "canvas.h"

#include <initializer_list>
#include <variant>

#include "shell/units.h"

namespace web {

void putText(std::vector<double>& out, std::string_view utf8) {
  std::vector<double> units;
  for (unsigned cp : shell::codePoints(utf8)) {
    if (cp >= 0x10000) {
      units.push_back(0xD800 + ((cp - 0x10000) >> 10));
      units.push_back(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      units.push_back(cp);
    }
  }
  out.push_back(double(units.size()));
  out.insert(out.end(), units.begin(), units.end());
}

namespace {

struct Encode {
  std::vector<double>& out;
  void put(std::initializer_list<double> numbers) { out.insert(out.end(), numbers); }
  void operator()(const draw::Fill& f) {
    put({kFill, double(f.figure), f.rect.x, f.rect.y, f.rect.w, f.rect.h, double(f.colour), f.radius});
  }
  void operator()(const draw::Stroke& s) {
    put({kStroke, double(s.figure), s.rect.x, s.rect.y, s.rect.w, s.rect.h, double(s.colour), s.width, s.radius,
         s.dotted ? 1.0 : 0.0});
  }
  void operator()(const draw::Segment& s) { put({kSegment, s.x1, s.y1, s.x2, s.y2, double(s.colour), s.width}); }
  void operator()(const draw::Image& i) {
    put({kImage, double(i.picture), i.rect.x, i.rect.y, i.rect.w, i.rect.h});
  }
  void operator()(const draw::Text& t) {
    put({kText, double(t.font.family), t.font.bold ? 1.0 : 0.0, double(t.font.pixelSize), double(t.colour), t.x,
         t.baseline, t.width});
    putText(out, t.text);
  }
  void operator()(const draw::Clip& c) { put({kClip, c.rect.x, c.rect.y, c.rect.w, c.rect.h}); }
  void operator()(const draw::Unclip&) { put({kUnclip}); }
};

}  // namespace

std::vector<double> encode(const draw::Drawing& drawing, double width, double height) {
  std::vector<double> out{kBegin, width, height};
  Encode e{out};
  for (const draw::Command& c : drawing) std::visit(e, c);
  return out;
}

}  // namespace web

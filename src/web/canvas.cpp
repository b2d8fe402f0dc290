#include "canvas.h"

#include <emscripten.h>

#include <type_traits>

#include "shell/units.h"

// Text is measured by the page's canvas (board.js).
EM_JS(double, js_advance, (const char* font, const char* text),
      { return aritmetica.measure.advance(UTF8ToString(font), UTF8ToString(text)); });
EM_JS(double, js_metric, (const char* font, int which),
      { return aritmetica.measure.metric(UTF8ToString(font), which); });
namespace web {

std::string cssFont(const draw::FontSpec& f) {
  return std::string(f.bold ? "bold " : "") + std::to_string(f.pixelSize) + "px " +
         (f.family == draw::Family::Serif ? "\"Liberation Serif\"" : "\"Liberation Sans\"");
}

double CanvasMeasure::advance(const draw::FontSpec& font, std::string_view utf8) const {
  const std::string css = cssFont(font);
  std::string key = css + '\n';
  key += utf8;
  auto it = advances_.find(key);
  if (it == advances_.end())
    it = advances_.emplace(key, js_advance(css.c_str(), std::string(utf8).c_str())).first;
  return it->second;
}

draw::LineMetrics CanvasMeasure::metrics(const draw::FontSpec& font) const {
  const std::string css = cssFont(font);
  auto it = metrics_.find(css);
  if (it == metrics_.end()) {
    const draw::LineMetrics m{js_metric(css.c_str(), 0), js_metric(css.c_str(), 1), js_metric(css.c_str(), 2)};
    it = metrics_.emplace(css, m).first;
  }
  return it->second;
}

namespace {

void utf16(std::vector<double>& out, std::string_view utf8) {
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
         t.baseline});
    utf16(out, t.text);
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

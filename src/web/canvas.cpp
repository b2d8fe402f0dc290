#include "canvas.h"

#include <emscripten.h>

#include <type_traits>

#include "draw/record.h"

// The page draws each command with site/canvas.js, through site/player.js,
// which keeps the pictures of a handler that pauses for playing back.
EM_JS(void, js_begin, (double w, double h), { aritmetica.draw('begin', w, h); });
EM_JS(void, js_fill, (int figure, double x, double y, double w, double h, int rgb, double radius),
      { aritmetica.draw('fill', figure, x, y, w, h, rgb, radius); });
EM_JS(void, js_stroke,
      (int figure, double x, double y, double w, double h, int rgb, double width, double radius, int dotted),
      { aritmetica.draw('stroke', figure, x, y, w, h, rgb, width, radius, dotted); });
EM_JS(void, js_segment, (double x1, double y1, double x2, double y2, int rgb, double width),
      { aritmetica.draw('segment', x1, y1, x2, y2, rgb, width); });
EM_JS(void, js_image, (const char* name, double x, double y, double w, double h),
      { aritmetica.draw('image', UTF8ToString(name), x, y, w, h); });
EM_JS(void, js_text, (const char* font, int rgb, double x, double baseline, const char* text),
      { aritmetica.draw('text', UTF8ToString(font), rgb, x, baseline, UTF8ToString(text)); });
EM_JS(void, js_clip, (double x, double y, double w, double h), { aritmetica.draw('clip', x, y, w, h); });
EM_JS(void, js_unclip, (), { aritmetica.draw('unclip'); });

namespace web {

std::string cssFont(const draw::FontSpec& f) {
  return std::string(f.bold ? "bold " : "") + std::to_string(f.pixelSize) + "px " +
         (f.family == draw::Family::Serif ? "\"Liberation Serif\"" : "\"Liberation Sans\"");
}

namespace {

struct Replay {
  void operator()(const draw::Fill& f) {
    js_fill(int(f.figure), f.rect.x, f.rect.y, f.rect.w, f.rect.h, int(f.colour), f.radius);
  }
  void operator()(const draw::Stroke& s) {
    js_stroke(int(s.figure), s.rect.x, s.rect.y, s.rect.w, s.rect.h, int(s.colour), s.width, s.radius, s.dotted);
  }
  void operator()(const draw::Segment& s) { js_segment(s.x1, s.y1, s.x2, s.y2, int(s.colour), s.width); }
  void operator()(const draw::Image& i) {
    if (const char* name = draw::pictureName(i.picture)) js_image(name, i.rect.x, i.rect.y, i.rect.w, i.rect.h);
  }
  void operator()(const draw::Text& t) {
    js_text(cssFont(t.font).c_str(), int(t.colour), t.x, t.baseline, t.text.c_str());
  }
  void operator()(const draw::Clip& c) { js_clip(c.rect.x, c.rect.y, c.rect.w, c.rect.h); }
  void operator()(const draw::Unclip&) { js_unclip(); }
};

}  // namespace

void replay(const draw::Drawing& drawing, double width, double height) {
  js_begin(width, height);
  Replay r;
  for (const draw::Command& c : drawing) std::visit(r, c);
}

}  // namespace web

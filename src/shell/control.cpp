#include "control.h"

namespace shell {

std::string text(long long n) { return std::to_string(n < 0 ? -n : n); }

static Control make(Kind kind, std::string name, double l, double t, double w, double h) {
  Control c;
  c.kind = kind;
  c.name = std::move(name);
  c.left = l;
  c.top = t;
  c.width = w;
  c.height = h;
  return c;
}

Control label(std::string name, double l, double t, double w, double h) {
  return make(Kind::Label, std::move(name), l, t, w, h);
}

Control textBox(std::string name, double l, double t, double w, double h) {
  Control c = make(Kind::TextBox, std::move(name), l, t, w, h);
  c.opaque = true;
  c.align = Align::Centre;
  return c;
}

Control image(std::string name, Picture p, double l, double t, double w, double h) {
  Control c = make(Kind::Image, std::move(name), l, t, w, h);
  c.picture = p;
  return c;
}

Control shape(std::string name, int s, double l, double t, double w, double h) {
  Control c = make(Kind::Shape, std::move(name), l, t, w, h);
  c.shape = s;
  c.backColor = kWhite;
  return c;
}

Control line(std::string name, double x1, double y1, double x2, double y2) {
  Control c = make(Kind::Line, std::move(name), x1, y1, 0, 0);
  c.x2 = x2;
  c.y2 = y2;
  return c;
}

Control hotspot(std::string name, double l, double t, double w, double h, std::string toolTip) {
  return label(std::move(name), l, t, w, h).hand().tip(std::move(toolTip));
}

}  // namespace shell

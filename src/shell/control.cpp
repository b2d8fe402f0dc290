#include "control.h"

namespace shell {

std::string text(long long n) { return std::to_string(n < 0 ? -n : n); }

std::vector<unsigned> codePoints(std::string_view s) {
  std::vector<unsigned> out;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (c >= 0x80 && c < 0xC0) extra = 0;
    if (i + extra >= s.size() + (extra ? 0 : 1)) extra = 0;
    unsigned cp = extra ? (c & (0x3F >> extra)) : c;
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char d = s[i + k];
      if ((d & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (d & 0x3F);
    }
    if (!ok) { cp = c; extra = 0; }
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

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

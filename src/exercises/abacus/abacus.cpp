#include "abacus.h"

namespace abacus {

using namespace shell;

static Control spike(const Spike& s, double baseY) {
  return line(s.line, s.x, s.top, s.x, baseY).border(kBrown, kSpikeWidth);
}

std::vector<Control> Abacus::lines() const {
  std::vector<Control> ls{spike(units, baseY)};
  if (tens) ls.push_back(spike(*tens, baseY));
  ls.push_back(line(base, baseLeft, baseY, baseRight, baseY).border(kBrown, kSpikeWidth));
  return ls;
}

Control spikeLabel(std::string name, std::string caption, double left, double top, double width,
                   double height, double points) {
  return label(std::move(name), left, top, width, height).withCaption(std::move(caption))
      .withFont(points).centred();
}

Control shapeBead(std::string name, const Abacus& a, const Spike& s, int slot, bool red) {
  Control c = shape(std::move(name), 3, s.beadLeft(), a.slotTop(slot), kShapeBead, kShapeBead);
  c.filled = true;
  // A tens bead is filled red; the shape's own fill pattern stays transparent.
  if (red) c.backColor = c.fillColor = kRed;
  return c;
}

Control imageBead(std::string name, bool red, double left, double top) {
  Control c = image(std::move(name), red ? Picture::BeadRed : Picture::BeadWhite, left, top,
                    kBeadSize, kBeadSize);
  c.stretch = false;
  return c;
}

}  // namespace abacus

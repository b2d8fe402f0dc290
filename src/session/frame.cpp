#include "frame.h"

#include <algorithm>

#include "catalogue.h"

namespace session {

const HoverArea* Window::hoverAt(double x, double y) const {
  const auto it = std::find_if(hover.begin(), hover.end(), [&](const HoverArea& a) {
    return x >= a.area.x && y >= a.area.y && x < a.area.right() && y < a.area.bottom();
  });
  return it == hover.end() ? nullptr : &*it;
}

const Window* Frame::window(int screen) const {
  const auto it = std::find_if(windows.begin(), windows.end(), [&](const Window& w) { return w.screen == screen; });
  return it == windows.end() ? nullptr : &*it;
}

std::optional<Phrase> phraseSaying(std::string_view text) {
  for (const Phrase& p : catalogue())
    if (p.text == text) return p;
  return std::nullopt;
}

std::optional<std::string_view> clipOf(std::string_view text) {
  if (const auto p = phraseSaying(text)) return p->key;
  return std::nullopt;
}

}  // namespace session

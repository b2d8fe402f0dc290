#include "lines.h"

#include <iomanip>
#include <sstream>

namespace scenarios {

std::string textLines(const draw::Drawing& drawing) {
  std::ostringstream out;
  out << std::setprecision(17) << '[';
  bool first = true;
  for (const draw::Command& command : drawing) {
    const auto* t = std::get_if<draw::Text>(&command);
    if (!t) continue;
    out << (first ? "" : ", ") << "[\"";
    first = false;
    for (char c : t->text) {
      if (c == '"' || c == '\\') out << '\\';
      out << c;
    }
    out << "\", \"" << (t->font.family == draw::Family::Serif ? "serif" : "sans") << "\", " << t->font.pixelSize
        << ", " << (t->font.bold ? 1 : 0) << ", " << t->x << ", " << t->baseline << ", "
        << t->width << ']';
  }
  out << ']';
  return out.str();
}

}  // namespace scenarios

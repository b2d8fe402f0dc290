// record-title OUT.json: the title screen's first picture, recorded at
// build time by the same session, measurement and encoding as the page's
// program (web::encode), for the page to draw as soon as the chalkboard and
// the bold face are there, before its program is ready; the program's own
// picture, which is the same, then replaces it.
//
// Writes {"margin": 0xRRGGBB, "width": W, "height": H, "picture": [...]}.
#include <fstream>
#include <iomanip>
#include <iostream>

#include "canvas.h"
#include "draw/face_measure.h"
#include "draw/fit.h"
#include "session/session.h"

namespace {

class Still : public session::Machine {
 public:
  void reseed() override {}
  double next() override { return 0; }
  void log(std::string_view message) override { std::cerr << "record-title: " << message << '\n'; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: record-title OUT.json\n";
    return 2;
  }
  Still machine;
  const draw::FaceMeasure measure;
  session::Session session(machine, measure);
  session.start(0);
  session.advance(0);
  const session::Window* shown = session.frame().active();
  if (!shown || shown->drawing.empty()) {
    std::cerr << "record-title: the program showed no title\n";
    return 1;
  }
  std::ofstream out(argv[1]);
  out << std::setprecision(17) << "{\"margin\": " << draw::kMarginColour << ", \"width\": " << shown->client.w
      << ", \"height\": " << shown->client.h << ", \"picture\": [";
  const std::vector<double> picture = web::encode(shown->drawing, shown->client.w, shown->client.h);
  for (size_t i = 0; i < picture.size(); ++i) out << (i ? ", " : "") << picture[i];
  out << "]}\n";
  if (!out) {
    std::cerr << "record-title: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}

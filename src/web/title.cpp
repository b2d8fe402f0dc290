// record-title OUT.json: the title screen's first picture, recorded at
// build time by the same session, recorder and encoding as the page's
// program (web::encode), for the page to draw as soon as the chalkboard and
// the faces are there, before its program is ready; the program's own
// picture then replaces it.
//
// The picture depends on how wide and tall the browser finds each text.
// It is recorded as Chromium measures (the faces' exact advances, line
// metrics rounded) and as Firefox does (advances in sixtieths of a pixel,
// line metrics rounded up), each with every measurement it assumed; the
// page draws the one whose measurements its canvas gives, and none where
// neither matches (WebKit hints its advances: there the title waits for the
// program), so that what it draws early is exactly what the program will.
//
// Writes {"margin": 0xRRGGBB, "titles": [{"width", "height", "picture": [...],
// "advances": [[css, text, width]...], "metrics": [[css, which, value]...]}]}.
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

#include <cmath>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "canvas.h"
#include "draw/fit.h"
#include "session/session.h"
#include "shell/units.h"

namespace {

const char* const kFonts = "/usr/share/fonts/truetype/liberation2/";
// Liberation's em, as board.js reckons a face's leading from its line gap.
constexpr double kUnitsPerEm = 2048;

// The faces' own advances and line metrics, as the page's canvas gives
// them (board.js's measure), and every answer given, for the page to check.
class FaceMeasure : public draw::Measure {
 public:
  enum class Units { Exact, Sixtieths };
  explicit FaceMeasure(Units units) : units_(units) {
    for (const char* name : {"LiberationSans-Regular", "LiberationSans-Bold", "LiberationSerif-Regular",
                             "LiberationSerif-Bold"}) {
      Face& f = faces_[count_++];
      std::ifstream in(std::string(kFonts) + name + ".ttf", std::ios::binary);
      f.data.assign(std::istreambuf_iterator<char>(in), {});
      if (f.data.empty() || !stbtt_InitFont(&f.info, f.data.data(), 0))
        throw std::runtime_error(std::string("cannot read the face ") + kFonts + name + ".ttf");
    }
  }

  double advance(const draw::FontSpec& font, std::string_view utf8) const override {
    const Face& f = face(font);
    const double scale = font.pixelSize / kUnitsPerEm;
    const bool sixtieths = units_ == Units::Sixtieths;
    auto px = [&](int units) { return sixtieths ? std::round(units * scale * 60) : units * scale; };
    double width = 0;
    unsigned previous = 0;
    for (unsigned cp : shell::codePoints(utf8)) {
      int advance = 0, bearing = 0;
      stbtt_GetCodepointHMetrics(&f.info, int(cp), &advance, &bearing);
      if (previous) width += px(stbtt_GetCodepointKernAdvance(&f.info, int(previous), int(cp)));
      width += px(advance);
      previous = cp;
    }
    if (sixtieths) width = double(float(width / 60));
    advances.push_back({web::cssFont(font), std::string(utf8), width});
    return width;
  }

  draw::LineMetrics metrics(const draw::FontSpec& font) const override {
    int ascent = 0, descent = 0, gap = 0;
    stbtt_GetFontVMetrics(&face(font).info, &ascent, &descent, &gap);
    const double size = font.pixelSize;
    auto whole = [&](double px) { return units_ == Units::Sixtieths ? std::ceil(px) : std::round(px); };
    const draw::LineMetrics m{whole(ascent * size / kUnitsPerEm), whole(-descent * size / kUnitsPerEm),
                              size * gap / kUnitsPerEm};
    const std::string css = web::cssFont(font);
    answers.push_back({css, "0", m.ascent});
    answers.push_back({css, "1", m.descent});
    answers.push_back({css, "2", m.leading});
    return m;
  }

  struct Answer {
    std::string css, question;
    double value;
  };
  mutable std::vector<Answer> advances, answers;

 private:
  struct Face {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
  };
  Units units_;
  const Face& face(const draw::FontSpec& f) const {
    return faces_[(f.family == draw::Family::Serif ? 2 : 0) + (f.bold ? 1 : 0)];
  }
  Face faces_[4];
  int count_ = 0;
};

class Still : public session::Machine {
 public:
  void reseed() override {}
  double next() override { return 0; }
  void log(std::string_view message) override { std::cerr << "record-title: " << message << '\n'; }
};

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

std::string title(FaceMeasure::Units units) {
  Still machine;
  const FaceMeasure measure(units);
  session::Session session(machine, &measure);
  session.start(0);
  session.advance(0);
  const session::Picture& shown = session.shown();
  if (shown.screen == 0 || shown.drawing.empty()) throw std::runtime_error("the program showed no title");
  std::ostringstream out;
  out << std::setprecision(17) << "{\"width\": " << shown.client.w << ", \"height\": " << shown.client.h
      << ", \"picture\": [";
  const std::vector<double> picture = web::encode(shown.drawing, shown.client.w, shown.client.h);
  for (size_t i = 0; i < picture.size(); ++i) out << (i ? ", " : "") << picture[i];
  out << "],\n  \"advances\": [";
  for (size_t i = 0; i < measure.advances.size(); ++i) {
    const auto& a = measure.advances[i];
    out << (i ? ", " : "") << '[' << quoted(a.css) << ", " << quoted(a.question) << ", " << a.value << ']';
  }
  out << "],\n  \"metrics\": [";
  for (size_t i = 0; i < measure.answers.size(); ++i) {
    const auto& a = measure.answers[i];
    out << (i ? ", " : "") << '[' << quoted(a.css) << ", " << a.question << ", " << a.value << ']';
  }
  out << "]}";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: record-title OUT.json\n";
    return 2;
  }
  try {
    std::ofstream out(argv[1]);
    out << "{\"margin\": " << draw::kMarginColour << ", \"titles\": [\n " << title(FaceMeasure::Units::Exact)
        << ",\n " << title(FaceMeasure::Units::Sixtieths) << "]}\n";
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "record-title: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

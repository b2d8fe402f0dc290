#include "face_measure.h"

#include <algorithm>

#include "shell/units.h"

namespace draw {

namespace {

// Qt (through FreeType and HarfBuzz) works in 1/64 of a pixel.
constexpr std::int64_t kSubpixels = 64;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Design units to 1/64 pixel: advances are cut down, kerning and line
// metrics rounded to the nearest (halves up).
std::int64_t cut(const FaceTable& face, int pixelSize, std::int64_t units) {
  return floorDiv(units * pixelSize * kSubpixels, face.unitsPerEm);
}
std::int64_t rounded(const FaceTable& face, int pixelSize, std::int64_t units) {
  return floorDiv(2 * units * pixelSize * kSubpixels + face.unitsPerEm, 2 * std::int64_t(face.unitsPerEm));
}

int kerning(const FaceTable& face, unsigned first, unsigned second) {
  if (first > 0xFF || second > 0xFF) return 0;
  const FaceTable::Kern* end = face.kerns + face.kernCount;
  const FaceTable::Kern* k = std::lower_bound(face.kerns, end, std::pair(first, second),
                                              [](const FaceTable::Kern& k, std::pair<unsigned, unsigned> p) {
                                                return std::pair<unsigned, unsigned>(k.first, k.second) < p;
                                              });
  return k != end && k->first == first && k->second == second ? k->units : 0;
}

}  // namespace

double FaceMeasure::advance(const FontSpec& font, std::string_view utf8) const {
  const FaceTable& face = faceTable(font);
  std::int64_t width = 0;
  unsigned previous = 0;  // no pair begins with U+0000
  for (unsigned cp : shell::codePoints(utf8)) {
    width += cut(face, font.pixelSize, cp <= 0xFF ? face.advances[cp] : face.missing);
    width += rounded(face, font.pixelSize, kerning(face, previous, cp));
    previous = cp;
  }
  return double(width) / kSubpixels;
}

LineMetrics FaceMeasure::metrics(const FontSpec& font) const {
  const FaceTable& face = faceTable(font);
  auto px = [&](int units) { return double(rounded(face, font.pixelSize, units)) / kSubpixels; };
  return {px(face.ascent), px(face.descent), px(face.lineGap)};
}

}  // namespace draw

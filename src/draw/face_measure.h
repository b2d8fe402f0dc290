// Text measured from the faces' own tables, the same in every edition: the
// Liberation faces' advances, kerning and line metrics, read from the font
// files when the program is built (tools/font-metrics.py writes the tables
// into the build directory). Every wrapping and centring is decided with it;
// each backend still draws the text with its own rasteriser. It computes
// as Qt lays out these faces (advances scaled to 1/64 pixel and cut down,
// kerning rounded to 1/64), so that the desktop's drawn text ends where the
// table says. No toolkit, no file read at run time.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "drawing.h"

namespace draw {

// One face in its design units.
struct FaceTable {
  struct Kern {
    std::uint8_t first, second;  // Latin-1 characters
    std::int16_t units;
  };
  int unitsPerEm = 0;
  int ascent = 0, descent = 0, lineGap = 0;  // the hhea table's (descent positive)
  int missing = 0;                 // the advance of a character outside Latin-1: the face's empty box
  const std::uint16_t* advances;  // 256, by Latin-1 character; 0 for what is drawn as nothing
  const Kern* kerns;              // sorted by (first, second)
  std::size_t kernCount = 0;
};

// The faces, in this order: sans, sans bold, serif, serif bold.
constexpr std::size_t kFaceCount = 4;
constexpr std::size_t faceIndex(const FontSpec& font) {
  return (font.family == Family::Serif ? 2 : 0) + (font.bold ? 1 : 0);
}
// In the generated source: each face's table, and the path of its file,
// which the backends that draw with the very same faces load.
const FaceTable& faceTable(const FontSpec& font);
extern const std::array<const char*, kFaceCount> kFaceFiles;

class FaceMeasure : public Measure {
 public:
  double advance(const FontSpec& font, std::string_view utf8) const override;
  LineMetrics metrics(const FontSpec& font) const override;
};

}  // namespace draw

#include "colours.h"

namespace frame {

using shell::kButtonFace;
using shell::kButtonText;
using shell::kWhite;

std::optional<RodColour> rodColour(long long n) {
  static constexpr RodColour kRods[10] = {
      {kButtonFace, kWhite},  // 0 grey
      {kWhite, kButtonText},  // 1 white
      {0x0000FF, kWhite},     // 2 red
      {0x80FF80, kWhite},     // 3 light green
      {0xFF80FF, kWhite},     // 4 pink
      {0x00FFFF, kWhite},     // 5 yellow
      {0x008000, kWhite},     // 6 dark green
      {0x000000, kWhite},     // 7 black
      {0x000080, kWhite},     // 8 dark red
      {0xC00000, kWhite},     // 9 dark blue
  };
  if (n < 0 || n > 9) return std::nullopt;
  return kRods[n];
}

void colour(shell::Control& box, long long value, OneText one) {
  auto rod = rodColour(value);
  if (!rod) return;
  box.backColor = rod->fill;
  box.foreColor = (value == 1 && one == OneText::Black) ? shell::kBlack : rod->text;
}

}  // namespace frame

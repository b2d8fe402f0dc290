// The rod colour of each number from 0 to 9: the fill of its box and the
// colour its digit is written in. Numbers from 10 up have no colour.
#pragma once
#include <optional>

#include "shell/control.h"

namespace frame {

struct RodColour {
  shell::Colour fill;
  shell::Colour text;
};

// nullopt for numbers without a rod (below 0, 10 and above).
std::optional<RodColour> rodColour(long long n);

// The 1 is written in the button-text colour on number boxes and on the
// answer boxes of the writing screens, in black on the other answer boxes.
enum class OneText { ButtonText, Black };

// Colour(box, value): fills the box and its text with the value's rod
// colours; a value without a rod leaves the box as it was.
void colour(shell::Control& box, long long value, OneText one = OneText::ButtonText);

}  // namespace frame

// The lines of text of a picture, as JSON, for comparing what the editions
// lay out: [[text, "sans"|"serif", pixel size, bold 0|1, x, baseline,
// width as measured], ...] in drawing order.
#pragma once
#include <string>

#include "draw/drawing.h"

namespace scenarios {

std::string textLines(const draw::Drawing& drawing);

}  // namespace scenarios

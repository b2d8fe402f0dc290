// "Numero precedente": the child types the number that comes before the one
// shown; the answer box stands on the left.
#include "step_screen.h"

namespace sequence {
namespace {

const StepScreen kForm15{
    .number = 15,
    .caption = "vaxo - Aritmetica  cl. I    Numero precedente entro 10",
    .height = 8295,
    .instruction = "TROVA IL NUMERO CHE PRECEDE",
    .within20 = false,
    .tallChalk = false,
    .step = -1,
    .drawCount = 9, .drawFrom = 1,  // 1 to 9
    .coloured = true,
    .fullLength = false,
    .reenableAtKeyPress = true,
    .numberLeft = 6720, .answerLeft = 3120,
    .designText = shell::kWhite,
};

const StepScreen kForm38{
    .number = 38,
    .caption = "vaxo - Aritmetica  cl. I    Numero precedente entro 20",
    .height = 8310,
    .instruction = "TROVA IL NUMERO CHE PRECEDE",
    .within20 = true,
    .tallChalk = true,
    .step = -1,
    .drawCount = 20, .drawFrom = 1,  // 1 to 20
    .coloured = false,
    .fullLength = true,
    .reenableAtKeyPress = false,
    .numberLeft = 6720, .answerLeft = 3000,
    .designText = shell::kWhite,
    .rightDisplay = "0",
    .rightDisplayLeft = 3000,
};

SCREEN(15, NeighbourNumber, kForm15);
SCREEN(38, NeighbourNumber, kForm38);

}  // namespace
}  // namespace sequence

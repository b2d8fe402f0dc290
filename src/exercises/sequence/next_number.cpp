// "Numero seguente": the child types the number that follows the one shown.
#include "step_screen.h"

namespace sequence {
namespace {

const StepScreen kForm14{
    .number = 14,
    .caption = "vaxo - Aritmetica  cl. I    Numero seguente entro 10",
    .height = 8565,
    .instruction = "TROVA IL NUMERO CHE SEGUE",
    .within20 = false,
    .tallChalk = false,
    .step = +1,
    .drawCount = 9, .drawFrom = 0,  // 0 to 8
    .coloured = true,
    .fullLength = false,
    .reenableAtKeyPress = true,
    .numberLeft = 3120, .answerLeft = 6720,
    .designText = shell::kWhite,
};

const StepScreen kForm37{
    .number = 37,
    .caption = "vaxo - Aritmetica  cl. I    Numero seguente entro 20",
    .height = 8340,
    .instruction = "TROVA IL NUMERO CHE SEGUE",
    .within20 = true,
    .tallChalk = true,
    .step = +1,
    .drawCount = 19, .drawFrom = 0,  // 0 to 18
    .coloured = false,
    .fullLength = true,
    .reenableAtKeyPress = false,
    .numberLeft = 3120, .answerLeft = 6720,
    .designText = shell::kBlack,
};

SCREEN(14, NeighbourNumber, kForm14);
SCREEN(37, NeighbourNumber, kForm37);

}  // namespace
}  // namespace sequence

// "Numero in mezzo": the child types the number between two shown numbers
// that differ by two.
#include "step_screen.h"

namespace sequence {
namespace {

const StepScreen kForm16{
    .number = 16,
    .caption = "vaxo - Aritmetica  cl. I    Numero in mezzo entro 10",
    .height = 8595,
    .instruction = "TROVA IL NUMERO COMPRESO TRA I NUMERI DATI",
    .within20 = false,
    .tallChalk = false,
    .step = +1,
    .drawCount = 9, .drawFrom = 0,
    .drawMax = 7,  // 0 to 7, so that the upper number stays within 9
    .coloured = true,
    .fullLength = false,
    .reenableAtKeyPress = true,
    .numberLeft = 1320, .answerLeft = 4920,
    .designText = shell::kWhite,
    .upperLeft = 8400,
};

const StepScreen kForm40{
    .number = 40,
    .caption = "vaxo - Aritmetica  cl. I    Numero in mezzo entro 20",
    .height = 8310,
    .instruction = "TROVA IL NUMERO COMPRESO TRA I NUMERI DATI",
    .within20 = true,
    .tallChalk = false,
    .step = +1,
    .drawCount = 18, .drawFrom = 0,  // 0 to 17
    .coloured = false,
    .fullLength = true,
    .reenableAtKeyPress = true,
    .numberLeft = 1320, .answerLeft = 4920,
    .designText = shell::kWhite,
    .rightDisplay = "0",
    .upperLeft = 8400,
};

SCREEN(16, NeighbourNumber, kForm16);
SCREEN(40, NeighbourNumber, kForm40);

}  // namespace
}  // namespace sequence

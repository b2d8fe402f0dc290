// "Confronto dei numeri": the child clicks "<", "=" or ">" between two numbers.
#include "compare_screen.h"

namespace compare {
namespace {

const CompareScreen kForm10{
    .number = 10,
    .caption = "vaxo - Aritmetica  cl. I    Confronto dei numeri entro 10",
    .height = 8595,
    .within20 = false,
    .numberWidth = 2295,
    .leftNumberLeft = 2040, .rightNumberLeft = 7800,
    .numberText = shell::kWhite,
    .coloured = true,
    .drawCount = 9, .drawFrom = 1,  // 1 to 9
    .restart = Restart::AtOne,
    .rightDisplay = "",
    .esattiLeft = 2400,
    .exitLeft = 1800,
};

const CompareScreen kForm33{
    .number = 33,
    .caption = "vaxo - Aritmetica  cl. I    Confronto dei numeri entro 20",
    .height = 8370,
    .within20 = true,
    .numberWidth = 3255,
    .leftNumberLeft = 1560, .rightNumberLeft = 7320,
    .numberText = shell::kBlack,
    .coloured = false,
    .drawCount = 20, .drawFrom = 0,  // 0 to 19
    .restart = Restart::AtZero,
    .rightDisplay = "0",
    .esattiLeft = 2280,
    .exitLeft = 2160,
};

SCREEN(10, CompareNumbers, kForm10);
SCREEN(33, CompareNumbers, kForm33);

}  // namespace
}  // namespace compare

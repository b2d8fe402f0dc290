// "Dall'abaco al numero": the child reads the number shown on the abacus and
// writes it in digits and in words.
#include "reading.h"

namespace abacus {
namespace {

const ReadingScreen kForm6{
    .number = 6,
    .height = 8460,
    .instruction = "Scrivi in cifre e in lettere il numero delle unità presentate sull'abaco",
    .newQuestionTip = "DAMMI LE UNITÀ",
    .within20 = false,
    .abacus = {.units = {"Line1", 1800, 1800}, .tens = std::nullopt,
               .base = "Line2", .baseLeft = 960, .baseRight = 2520, .baseY = 6360},
    .wordsPoints = 48, .wordsLeft = 5640, .wordsWidth = 5295,
    .exactTop = 5520, .rightTop = 5400, .suTop = 5520, .digitsCountTop = 5400, .wordsCountTop = 5400,
    .menuReturn = "Label25", .mainMenuReturn = "Label26",
    .menuReturnLeft = 5640, .mainMenuReturnLeft = 1680, .returnTop = 7200,
    .thirdSpare = true,
};

const ReadingScreen kForm29{
    .number = 29,
    .height = 8430,
    .instruction = "Scrivi in cifre e in lettere il numero  presentato sull'abaco",
    .newQuestionTip = "DAMMI IL NUMERO",
    .within20 = true,
    .abacus = {.units = {"Line1", 1800, 1800}, .tens = Spike{"Line3", 960, 1800},
               .base = "Line2", .baseLeft = 480, .baseRight = 2520, .baseY = 6360},
    .wordsPoints = 42, .wordsLeft = 5160, .wordsWidth = 6495,
    .exactTop = 5880, .rightTop = 5640, .suTop = 5760, .digitsCountTop = 5640, .wordsCountTop = 5760,
    .menuReturn = "Label40", .mainMenuReturn = "Label41",
    .menuReturnLeft = 5880, .mainMenuReturnLeft = 2640, .returnTop = 7440,
    .thirdSpare = false,
};

SCREEN(6, AbacusReading, kForm6);
SCREEN(29, AbacusReading, kForm29);

}  // namespace
}  // namespace abacus

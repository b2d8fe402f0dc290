// "Dal numero all'abaco": the child builds the number shown in digits and in
// words by dragging beads onto the abacus.
#include "building.h"

namespace abacus {
namespace {

const BuildingScreen kForm7{
    .number = 7,
    .height = 8385,
    .instruction = "Trasporta sull'abaco tante unità quante indicate dal numero in lettere e in cifre",
    .instructionLeft = 1320, .instructionWidth = 9615,
    .within20 = false,
    .abacus = {.units = {"Line1", 9960, 1320}, .tens = std::nullopt,
               .base = "Line2", .baseLeft = 9120, .baseRight = 10680, .baseY = 5880},
    .digitsTop = 3360,
    .wordsLeft = 2400, .wordsTop = 3600, .wordsWidth = 5295,
    // wide enough to take a bead dropped beside the ones on the spike
    .unitsZoneLeft = 9480, .unitsZoneWidth = 975,
    .confirmCaption = "CONFERMA UNITÀ",
    .confirmLeft = 8880, .confirmTop = 6000, .confirmHeight = 615,
    .exactLeft = 480, .rightLeft = 1680, .rightCaption = "",
    .faceLeft = 9360,
    .menuReturn = "Label15", .mainMenuReturn = "Label14",
    .menuReturnLeft = 6960, .mainMenuReturnLeft = 3000, .returnTop = 7440,
};

const BuildingScreen kForm30{
    .number = 30,
    .height = 8445,
    .instruction = "Forma sull'abaco il numero indicato in lettere e in cifre",
    .instructionLeft = 2040, .instructionWidth = 8175,
    .within20 = true,
    .abacus = {.units = {"Line1", 9960, 1320}, .tens = Spike{"Line3", 9360, 1320},
               .base = "Line2", .baseLeft = 8880, .baseRight = 10440, .baseY = 5880},
    .digitsTop = 4080,
    .wordsLeft = 2280, .wordsTop = 4320, .wordsWidth = 6735,
    // hardly wider than the beads: only the part above them takes a drop
    .unitsZoneLeft = 9720, .unitsZoneWidth = 495,
    .confirmCaption = "CONFERMA",
    .confirmLeft = 8640, .confirmTop = 6360, .confirmHeight = 375,
    .exactLeft = 600, .rightLeft = 1920, .rightCaption = "0",
    .faceLeft = 9120,
    .menuReturn = "Label18", .mainMenuReturn = "Label41",
    .menuReturnLeft = 6600, .mainMenuReturnLeft = 3360, .returnTop = 7320,
};

SCREEN(7, AbacusBuilding, kForm7);
SCREEN(30, AbacusBuilding, kForm30);

}  // namespace
}  // namespace abacus

// The warning chime, kept in a module of its own (aritmetica-chime.so) that
// the program loads at the child's first input: the sound libraries cost
// start-up time and memory that the title window does not need.
#pragma once

extern "C" {
// Opens the sound; returns nullptr where there is none.
typedef void* (*ChimeOpen)();
// Plays the chime once; a chime still sounding starts afresh.
typedef void (*ChimePlay)(void* chime);
}

#define ARITMETICA_CHIME_OPEN "aritmeticaChimeOpen"
#define ARITMETICA_CHIME_PLAY "aritmeticaChimePlay"

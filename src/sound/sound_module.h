// The program's sound, kept in a module of its own (aritmetica-sound.so)
// that the program loads at the child's first input: the sound libraries
// cost start-up time and memory that the title window does not need.
//
// The module plays the warning chime and the spoken phrases (MP3 clips in
// one folder). Every call returns at once: the sound lives on a thread of
// the module's own, where the sound server is connected to, so that a
// server that stalls makes only that thread wait, never the windows. Orders
// given meanwhile are coalesced, and dropped if they come too late to mean
// anything (see mailbox.h). Without a sound server the program is silent.
// The calls are made from the program's main thread, after its
// QCoreApplication exists.
#pragma once

extern "C" {
// Starts the sound's thread and readies the chime; voiceDir is the folder of
// the clips, which are loaded only when said. Calls while it is open do
// nothing; after close it may be opened again.
typedef void (*AritmeticaSoundOpen)(const char* voiceDir);
// Plays the chime once; a chime still sounding starts afresh.
typedef void (*AritmeticaSoundChime)();
// Stops the phrase being said, then says the clip (a file name in voiceDir).
typedef void (*AritmeticaSoundSay)(const char* clipFileName);
// Stops the phrase being said.
typedef void (*AritmeticaSoundHush)();
// Ends the sound's thread before the program ends; nothing plays afterwards.
// Returns 1 once the thread has ended. A thread stuck waiting for the server
// is left behind after a short wait, and 0 is returned: the program must then
// end without running the exit handlers (std::_Exit), since those of the
// sound library would wait for that thread for ever.
typedef int (*AritmeticaSoundClose)();
}

#define ARITMETICA_SOUND_OPEN "aritmeticaSoundOpen"
#define ARITMETICA_SOUND_CHIME "aritmeticaSoundChime"
#define ARITMETICA_SOUND_SAY "aritmeticaSoundSay"
#define ARITMETICA_SOUND_HUSH "aritmeticaSoundHush"
#define ARITMETICA_SOUND_CLOSE "aritmeticaSoundClose"

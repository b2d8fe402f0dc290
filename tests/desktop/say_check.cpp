// Drives the sound module as the program does, for the tests that listen to
// a null sink: loads it, opens it on a voice folder, runs the orders given
// and closes it.   say-check MODULE VOICE_DIR ORDER...
// where an ORDER is chime, say:CLIP, hush or wait:MILLISECONDS.
#include <QCoreApplication>
#include <QLibrary>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sound/sound_module.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: say-check MODULE VOICE_DIR ORDER...\n", stderr);
    return 2;
  }
  QCoreApplication app(argc, argv);
  QLibrary module(argv[1]);
  auto open = reinterpret_cast<AritmeticaSoundOpen>(module.resolve(ARITMETICA_SOUND_OPEN));
  auto chime = reinterpret_cast<AritmeticaSoundChime>(module.resolve(ARITMETICA_SOUND_CHIME));
  auto say = reinterpret_cast<AritmeticaSoundSay>(module.resolve(ARITMETICA_SOUND_SAY));
  auto hush = reinterpret_cast<AritmeticaSoundHush>(module.resolve(ARITMETICA_SOUND_HUSH));
  auto close = reinterpret_cast<AritmeticaSoundClose>(module.resolve(ARITMETICA_SOUND_CLOSE));
  if (!open || !chime || !say || !hush || !close) {
    std::fprintf(stderr, "say-check: %s: %s\n", argv[1], qPrintable(module.errorString()));
    return 1;
  }
  open(argv[2]);
  for (int i = 3; i < argc; ++i) {
    const char* order = argv[i];
    if (std::strcmp(order, "chime") == 0) {
      chime();
    } else if (std::strcmp(order, "hush") == 0) {
      hush();
    } else if (std::strncmp(order, "say:", 4) == 0) {
      say(order + 4);
    } else if (std::strncmp(order, "wait:", 5) == 0) {
      QThread::msleep(std::strtoul(order + 5, nullptr, 10));
    } else {
      std::fprintf(stderr, "say-check: argument %d: unknown order '%s'\n", i, order);
      return 2;
    }
  }
  if (!close()) {
    std::fputs("say-check: the sound's thread did not end\n", stderr);
    std::_Exit(1);  // the sound library's exit handlers would wait for it
  }
  std::fflush(nullptr);
  std::_Exit(0);  // as the program does (see its main)
}

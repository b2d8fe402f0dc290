#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>
#include <cstdlib>

namespace desktop {

// Called as the program ends, its windows gone. When the sound's thread is
// stuck on a sound server, the sound library's exit handlers would wait for
// it: the program ends at once instead, with what it printed flushed.
Sound::~Sound() {
  if (close_ && !close_()) {
    std::fflush(nullptr);
    std::_Exit(0);
  }
}

// The module and the voice folder stand beside the program in the build
// tree; once installed, the module is in lib/aritmetica/sound and the voice
// in share/aritmetica/voice, both beside bin.
void Sound::open() {
  if (opened_) return;
  opened_ = true;
  const QString dir = QCoreApplication::applicationDirPath();
  voice_ = QDir::cleanPath(QFileInfo(dir + "/voice").isDir() ? dir + "/voice" : dir + "/../share/aritmetica/voice");
  for (const QString& path : {dir + "/aritmetica-sound.so", dir + "/../lib/aritmetica/sound/aritmetica-sound.so"}) {
    QLibrary module(path);
    auto open = reinterpret_cast<AritmeticaSoundOpen>(module.resolve(ARITMETICA_SOUND_OPEN));
    chime_ = reinterpret_cast<AritmeticaSoundChime>(module.resolve(ARITMETICA_SOUND_CHIME));
    say_ = reinterpret_cast<AritmeticaSoundSay>(module.resolve(ARITMETICA_SOUND_SAY));
    hush_ = reinterpret_cast<AritmeticaSoundHush>(module.resolve(ARITMETICA_SOUND_HUSH));
    close_ = reinterpret_cast<AritmeticaSoundClose>(module.resolve(ARITMETICA_SOUND_CLOSE));
    if (open && chime_ && say_ && hush_ && close_) {
      open(voice_.toUtf8().constData());
      return;
    }
  }
  chime_ = nullptr;
  say_ = nullptr;
  hush_ = nullptr;
  close_ = nullptr;
}

void Sound::chime() {
  open();
  if (chime_) chime_();
}

void Sound::say(const std::string& key) {
  open();
  if (say_) say_((key + ".mp3").c_str());
}

void Sound::hush() {
  open();
  if (hush_) hush_();
}

}  // namespace desktop

#include "sound.h"

#include <QCoreApplication>
#include <QLibrary>

#include "chime/chime.h"

namespace desktop {

// The chime module stands beside the program in the build tree, and in
// lib/aritmetica/chime beside bin once installed. Without it the program is silent.
void Sound::open() {
  if (opened_) return;
  opened_ = true;
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& path : {dir + "/aritmetica-chime.so", dir + "/../lib/aritmetica/chime/aritmetica-chime.so"}) {
    QLibrary module(path);
    auto open = reinterpret_cast<ChimeOpen>(module.resolve(ARITMETICA_CHIME_OPEN));
    play_ = reinterpret_cast<ChimePlay>(module.resolve(ARITMETICA_CHIME_PLAY));
    if (open && play_) {
      chime_ = open();
      return;
    }
  }
  play_ = nullptr;
}

void Sound::chime() {
  open();
  if (play_ && chime_) play_(chime_);
}

}  // namespace desktop

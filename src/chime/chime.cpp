// The chime itself: an embedded WAV played by Qt Multimedia, never queued.
#include "chime.h"

#include <QSoundEffect>
#include <QVariant>
#include <QUrl>

namespace {

QSoundEffect* open() {
  auto* sound = new QSoundEffect;
  sound->setSource(QUrl("qrc:/sounds/beep.wav"));
  sound->setVolume(0.8f);
  // The first play of a fresh sound is not heard (it only opens the audio
  // stream): play it once muted as soon as it is loaded, so that the first
  // wrong answer already chimes.
  QObject::connect(sound, &QSoundEffect::statusChanged, sound, [sound] {
    if (sound->status() != QSoundEffect::Ready || sound->property("primed").toBool()) return;
    sound->setProperty("primed", true);
    sound->setMuted(true);
    sound->play();
  });
  return sound;
}

}  // namespace

extern "C" Q_DECL_EXPORT void* aritmeticaChimeOpen() { return open(); }

// A child hammering keys hears at most one chime at a time.
extern "C" Q_DECL_EXPORT void aritmeticaChimePlay(void* chime) {
  auto* sound = static_cast<QSoundEffect*>(chime);
  if (sound->isPlaying()) sound->stop();
  sound->setMuted(false);
  sound->play();
}

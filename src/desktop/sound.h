// The program's sound: the warning chime and the spoken phrases, played by
// the sound module (aritmetica-sound.so, see sound/sound_module.h), which is
// loaded at the child's first input. No call waits for the sound card or the
// sound server; without the module, or without a server, the program is
// silent. The module's thread is ended when this goes, at the program's end;
// if that thread is stuck on a sound server that does not answer, the
// program ends there and then (see the destructor).
#pragma once
#include <QString>
#include <string>

#include "sound/sound_module.h"

namespace desktop {

class Sound {
 public:
  Sound() = default;
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;
  ~Sound();

  // Loads the module and opens the sound (once; the calls below open it too).
  void open();

  void chime();
  // Stops the phrase being said, then says the phrase whose clip is
  // KEY.mp3 in the voice folder.
  void say(const std::string& key);
  void hush();

 private:
  bool opened_ = false;
  QString voice_;                             // the voice folder
  AritmeticaSoundChime chime_ = nullptr;
  AritmeticaSoundSay say_ = nullptr;
  AritmeticaSoundHush hush_ = nullptr;
  AritmeticaSoundClose close_ = nullptr;
};

}  // namespace desktop

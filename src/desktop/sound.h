// The desktop's sound: the chime through the sound module, loaded at the
// child's first input (silently nothing without it or without a sound card).
#pragma once

namespace desktop {

class Sound {
 public:
  // Loads the module and opens the sound (once).
  void open();
  void chime();

 private:
  bool opened_ = false;
  void* chime_ = nullptr;
  void (*play_)(void*) = nullptr;
};

}  // namespace desktop

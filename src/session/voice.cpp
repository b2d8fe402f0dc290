#include "voice.h"

#include "catalogue.h"
#include "speech.h"

namespace session {

bool Voice::setOn(bool on) {
  on_ = on;
  if (on || !speaking_) return false;
  speaking_ = 0;
  return true;
}

void Voice::hush() {
  if (!speaking_) return;
  speaking_ = 0;
  out_(Hush{});
}

void Voice::settle(const shell::Program& program) {
  if (!speaking_) return;
  if (!program.ended())
    for (const shell::Screen* s : program.loaded())
      if (s->number() == speaking_) return;
  hush();
}

void Voice::shown(shell::Screen& screen) {
  if (!on_) return;
  if (const shell::Control* c = instruction(screen)) say(fold(c->caption), screen);
}

void Voice::clicked(shell::Screen& screen, shell::Control& control) {
  if (!on_) return;
  if (auto text = phraseOf(screen, control)) say(*text, screen);
}

// A phrase with no clip in the catalogue is not said.
void Voice::say(const std::string& text, const shell::Screen& screen) {
  const auto key = clipOf(text);
  if (text.empty() || !key) return;
  out_(Say{std::string(*key), text});
  speaking_ = screen.number();
}

}  // namespace session

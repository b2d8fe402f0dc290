// The voice: what the program says as the child goes. The instruction of an
// exercise screen when it is shown or tapped, a number word when its label
// is tapped (see speech.h), the end of the phrase when the screen that said
// it goes or the voice is turned off; only phrases the catalogue holds.
//
// It watches the program as its observer and hands each sound to `out`; it
// does not know how, or when, a phrase is played.
#pragma once
#include <functional>

#include "frame.h"
#include "shell/program.h"

namespace session {

class Voice : public shell::Program::Observer {
 public:
  explicit Voice(std::function<void(Sound)> out) : out_(std::move(out)) {}

  bool on() const { return on_; }
  // Returns whether a phrase may still be playing that turning the voice
  // off must stop at once (the caller plays the end of it).
  bool setOn(bool on);
  // After an input: the phrase of a screen that is gone, or of a program
  // that has ended, stops.
  void settle(const shell::Program& program);

  // shell::Program::Observer
  void shown(shell::Screen& screen) override;
  void clicked(shell::Screen& screen, shell::Control& control) override;

 private:
  void say(const std::string& text, const shell::Screen& screen);
  void hush();

  std::function<void(Sound)> out_;
  bool on_ = true;
  int speaking_ = 0;  // the screen whose phrase may still be playing
};

}  // namespace session

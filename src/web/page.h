// The browser edition's program: one Program on the web platform, the
// input the page forwards to it, and the repaint after each input. The page
// (site/app.js) calls the functions of page.cpp one input at a time; the
// pictures of a handler that pauses are played back with their pauses
// (site/player.js), and input that arrives meanwhile waits till the end.
#pragma once
#include <deque>
#include <memory>
#include <string>

#include "draw/drawing.h"
#include "shell/platform.h"
#include "shell/program.h"
#include "shell/random.h"

namespace web {

// Chime through Web Audio, sleeps that keep the picture of the moment with
// the pause, and a generator that returns queued reals first (the page's test
// hook queues them, as the scenario command `random` does).
class WebPlatform : public shell::Platform {
 public:
  void beep() override;
  void sleep(int milliseconds) override;
  void reseed() override;
  double next() override;

  std::deque<double> queued;

 private:
  shell::Random random_;
};

struct Page {
  WebPlatform platform;
  std::unique_ptr<shell::Program> program;
  int pressScreen = 0;  // the screen a press began on gets its move and release
  draw::Rect shown{0, 0, 792, 573};  // the board last painted, in logical pixels

  void restart();
  void paint();
  // The control of the screen shown that takes the pointer at (x, y), in
  // twips; nullptr over nothing, or once the program has ended.
  const shell::Control* controlAt(double x, double y) const;
};

Page& page();

// Runs scenario input commands (show, random, click, press, release, move,
// drag, type, keypad, key, close) on the page's program; returns the first
// error, or "" when every line ran.
std::string runCommands(Page& page, const std::string& lines);

// What a test reads back: "FormN.Control" gives "LEFT TOP WIDTH HEIGHT" in
// twips, "FormN.Control.Property" the value of Caption, Text, Visible,
// Enabled, Left or Top; "" for a control not on a loaded screen.
std::string query(Page& page, const std::string& word);

}  // namespace web

// The desktop program: the Program with the real platform, one window per
// loaded screen, and the synchronisation after every input (windows made
// for screens just loaded, closed for screens unloaded, the active one in
// front, all repainted; the application quits when the program has ended).
// It also keeps the one mode of all windows: the designed window, or the
// whole-screen mode, in which every window fills the monitor of the active
// one; a window made for a screen just loaded opens directly in the mode.
#pragma once
#include <map>
#include <memory>

#include "desktop_platform.h"
#include "held_input.h"
#include "screen_window.h"
#include "shell/program.h"

namespace desktop {

class Desktop {
 public:
  Desktop();
  ~Desktop();

  void start();

  bool wholeScreen() const { return wholeScreen_; }
  void setWholeScreen(bool on);
  void toggleWholeScreen() { setWholeScreen(!wholeScreen_); }
  shell::Program& program() { return program_; }

  // Runs one input on the Program, catching what a handler throws, then
  // brings the windows in line with the model. The sound opens with the
  // child's first input, long before an answer can beep, so that the title
  // window opens without it. Input that comes while the handler waits is
  // handled afterwards, in order; F11 at once.
  template <class F>
  void input(F&& f) {
    if (started_) platform_.openSound();
    try {
      f(program_);
    } catch (const std::exception& e) {
      reportError(e.what());
    } catch (...) {
      reportError("unknown error");
    }
    sync();
    held_.release();
  }

 private:
  void sync();
  void repaintAll();
  // The monitor of the active window, where new windows open.
  QScreen* monitor() const;
  static void reportError(const char* what);

  DesktopPlatform platform_;
  shell::Program program_;
  std::map<int, ScreenWindow*> windows_;
  HeldInput held_{[this] { toggleWholeScreen(); }};
  int active_ = 0;
  bool quitting_ = false;
  bool started_ = false;
  bool wholeScreen_ = false;
};

}  // namespace desktop

// The desktop program: the session on the machine, one window per loaded
// screen, and the playing of the session's frames by the clock. At every
// frame due the windows are brought in line with it (windows made for
// screens just loaded, closed for screens unloaded, retitled, the active
// one in front, the pointer of what is under the mouse), its sounds are
// started, and the boards repainted: the desktop knows the screens only
// through the frame. The application quits at the frame of the end.
// With the class record kept, it opens the store and hands it, after every
// call into the session, the changes that came of it; the teacher's export
// and import go through a file dialog.
// It also keeps the one mode of all windows: the designed window, or the
// whole-screen mode, in which every window fills the monitor of the active
// one; a window made for a screen just loaded opens directly in the mode.
#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>

#include "draw/face_measure.h"
#include "class_store.h"
#include "screen_window.h"
#include "session/session.h"
#include "shell/random.h"
#include "sound.h"

namespace desktop {

// The generator reseeded from the time of day, faults on standard error.
class Machine : public session::Machine {
 public:
  void reseed() override;
  double next() override { return random_.next(); }
  void log(std::string_view message) override;

 private:
  shell::Random random_;
};

class Desktop {
 public:
  // With no machine, the desktop's own: draws from the time of day, faults
  // on standard error.
  explicit Desktop(session::Machine* machine = nullptr);
  ~Desktop();

  // The class record kept in `folder` from now on (before start).
  void keepClass(const std::string& folder);
  void start();

  bool wholeScreen() const { return wholeScreen_; }
  void setWholeScreen(bool on);
  void toggleWholeScreen() { setWholeScreen(!wholeScreen_); }
  void setVoice(bool on) { session_.setVoice(on, now()); }

  // The frame shown: what every window paints and points at.
  const session::Frame& frame() const { return session_.frame(); }

  // Input from a window. The sound opens with the child's first input, long
  // before an answer can chime, so that the title window opens without it.
  void pointer(const session::PointerInput& input);
  void key(const session::Key& key, int shift);
  void close(int screen);

 private:
  double now() const { return double(clock_.nsecsElapsed()) / 1e6; }
  // Plays what is due, brings the windows in line, and sets the timer for
  // what comes next.
  void play();
  void sync(const session::Frame& frame);
  // The session's changes to the record handed to the store, and the
  // store's troubles to the session.
  void keep();
  void saveExport(const std::string& name, const std::string& text);
  void chooseImport();
  // The monitor of the active window, where new windows open.
  QScreen* monitor() const;

  Machine machine_;
  draw::FaceMeasure measure_;  // the faces' own tables, as in every edition
  session::Session session_;
  Sound sound_;
  QElapsedTimer clock_;
  QTimer timer_;
  std::unique_ptr<ClassStore> store_;
  std::map<int, ScreenWindow*> windows_;
  int active_ = 0;
  unsigned long painted_ = 0;  // the frame's picture the windows show
  bool quitting_ = false;
  bool started_ = false;
  bool wholeScreen_ = false;
};

}  // namespace desktop

// The session: everything between a child's input and what it produces, the
// same for the desktop, the page and the scenario runner. It owns the
// Program; takes plain input (a key by name or character, a pointer press,
// move, release or cancel at a board position, a close box); holds input
// that comes while earlier output still plays and hands it on in order
// afterwards; and answers with an ordered timeline of steps: a picture of
// the board, the chime, a phrase to say or to stop, a pause. Pauses are
// recorded, never slept: an edition plays the steps by its clock, showing
// at each displayed frame the latest picture that is due.
//
// It does not know how anything is drawn, played or said, nor any toolkit;
// the clock is whatever the edition passes as `now` (milliseconds).
#pragma once
#include <algorithm>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "draw/drawing.h"
#include "frame.h"
#include "keys.h"
#include "shell/program.h"
#include "speech.h"

namespace session {

struct Pause {
  int milliseconds = 0;
};
// The timeline: frames, the sounds they start, and pauses.
using Step = std::variant<Frame, Chime, Say, Hush, Pause>;

// What the session needs from the machine: the generator of the draws,
// reseeded from the time of day, and somewhere to report a fault.
class Machine {
 public:
  virtual ~Machine() = default;
  virtual void reseed() = 0;
  virtual double next() = 0;  // a real in [0, 1)
  virtual void log(std::string_view message) = 0;
};

enum class Device { Mouse, Touch };

struct PointerInput {
  enum class Kind { Press, Move, Release, Cancel };
  Kind kind = Kind::Press;
  shell::Button button = shell::Button::Left;
  int screen = 0;        // the window's screen; 0: the screen shown
  double x = 0, y = 0;   // twips of that screen
  bool onBoard = true;   // false in the margin round a scaled board
  int shift = 0;
  Device device = Device::Mouse;
};

class Session : private shell::Platform, private shell::Program::Observer {
 public:
  // Text is measured by `measure` (the faces' own tables in every edition).
  Session(Machine& machine, const draw::Measure& measure);
  ~Session() override;

  shell::Program& program() { return *program_; }
  const shell::Program& program() const { return *program_; }

  // --- input ---------------------------------------------------------
  // Each input is handled at once when nothing is playing, otherwise held
  // and handled in order when the steps before it have played (advance).
  void start(double now);
  void pointer(const PointerInput& input, double now);
  // Returns what the edition does itself: the whole-screen key, or nothing.
  std::optional<KeyName> key(const Key& key, int shift, double now);
  void close(int screen, double now);
  // Shows a screen and unloads every other one (a scenario's `show`).
  void showOnly(int screen, double now);

  // --- playback --------------------------------------------------------
  // Brings the session to `now`: hands on held input whose turn has come,
  // acts on a long press, and returns the frame due, with the sounds that
  // start now; nullptr when nothing is due since the last call.
  const Frame* advance(double now);
  // The frame last due: what the editions show, and what a resize repaints.
  const Frame& frame() const { return shown_; }
  // When advance should be called next; infinity when nothing waits.
  double wakeAt() const;
  bool busy(double now) const { return now < busyUntil_ || !held_.empty(); }
  // When the steps of the input handled last have all played.
  double idleAt() const { return std::max(busyUntil_, 0.0); }
  // Every step not yet taken, whatever its time (the scenario runner),
  // with the held input handled first.
  std::vector<Step> takeAll();

  // --- the voice -------------------------------------------------------
  bool voice() const { return voice_; }
  void setVoice(bool on, double now);

 private:
  struct Held {
    enum class Kind { Pointer, Key, Close, ShowOnly, Start } kind;
    PointerInput pointer;
    Key key;
    int shift = 0;
    int screen = 0;
  };
  void submit(Held input, double now);
  void run(const Held& input, double start);
  void deliver(const Held& input);
  void deliverPointer(const PointerInput& p);
  void touch(const PointerInput& p, double now);
  void append(Step step);
  void say(const std::string& text, const shell::Screen& screen);
  Frame capture() const;
  shell::Screen* screenFor(int number) const;

  // shell::Platform: what the screens' handlers ask of the machine.
  void beep() override;
  void sleep(int milliseconds) override;
  void reseed() override { machine_.reseed(); }
  double next() override { return machine_.next(); }
  // shell::Program::Observer: the spoken instructions.
  void shown(shell::Screen& screen) override;
  void clicked(shell::Screen& screen, shell::Control& control) override;

  Machine& machine_;
  const draw::Measure& measure_;
  std::unique_ptr<shell::Program> program_;

  struct Timed {
    double at;
    Step step;
  };
  std::deque<Timed> timeline_;  // steps not yet due, in order
  double clock_ = 0;            // where the input being run has got to
  double busyUntil_ = -std::numeric_limits<double>::infinity();
  std::deque<Held> held_;
  Frame shown_;
  std::optional<double> ranAt_;  // an input ran at this time and nothing of it played yet

  int pressScreen_ = 0;  // the screen a press began on gets its moves and release
  bool pressed_ = false;
  // A finger's press waits to be a tap, a drag or a long press.
  struct Touch {
    PointerInput press;
    double at = 0;
    bool longPress = false;  // already given to the screens as the right button
  };
  std::optional<Touch> touch_;

  bool voice_ = true;
  int speaking_ = 0;  // the screen whose phrase may still be playing
};

// A press held still this long acts as the right button; a finger that
// moves farther than the slop is a drag.
constexpr double kLongPressMs = 500;
constexpr double kTouchSlopTwips = 10 * 15;

}  // namespace session

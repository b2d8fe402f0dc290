// The program: its 43 screens, which of them are loaded and which is active,
// and the input of mouse and keyboard, delivered to the screens' handlers
// exactly as the toolkit would (who is in front, who has the focus, when a
// click is a click). The session owns it and is its Platform: every edition
// and the scenario runner drive the screens through the session, which
// hands its input on here; the model's own tests and the soak drive it
// directly.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform.h"
#include "screen.h"

namespace shell {

constexpr int kScreenCount = 43;

// Thrown by End: no handler code runs after it.
struct ProgramEnded {};

class Program {
 public:
  // Told what the child has just done or seen, after the program decided it
  // and before the screen's handler runs: the spoken instructions follow
  // these. Knows nothing of handlers.
  class Observer {
   public:
    virtual ~Observer() = default;
    virtual void shown(Screen& screen) = 0;
    virtual void clicked(Screen& screen, Control& control) = 0;
  };

  // What the class record adds to the program while it is kept: where the
  // title leads, the child's picture added to every screen, and what the
  // exercise screens ask and judge. Without one the program is as always.
  class Extension {
   public:
    virtual ~Extension() = default;
    // The screen the title's ARITMETICA opens.
    virtual int afterTitle() { return 5; }
    // A control put in front of the screen's own as it is built, or none.
    virtual std::optional<Control> badge(const Screen&) { return std::nullopt; }
    virtual void badgeClicked(Screen&) {}
    // An answer judged: the happy or the sad face shown.
    virtual void judged(Screen&, bool right) { (void)right; }
    // An input and all it caused has run.
    virtual void handled() {}
  };
  // The badge's name among the screen's controls.
  static constexpr const char* kBadge = "Ritratto";

  using Factory = std::function<std::unique_ptr<Screen>(Program&)>;
  // Screens register themselves at start-up (see SCREEN below).
  static bool define(int number, Factory f);

  explicit Program(Platform& platform);
  ~Program();

  Platform& platform() { return platform_; }

  // Start-up: shows the title screen.
  void start();

  // The single instance of FormN, created on first reference.
  Screen& form(int number);
  // Puts a screen of one's own in place of FormN: the tests of the model
  // and of the drawing build the screens they need.
  void install(std::unique_ptr<Screen> screen);
  bool ended() const { return ended_; }
  std::vector<Screen*> loaded() const;  // front to back
  Screen* active() const;
  Control* focus() const;

  // Shows a screen and unloads every other one without running a handler:
  // a quick way into a screen for tests.
  void showOnly(int number);

  // Screen-level operations (what handlers call through Screen).
  void show(int number);
  void unload(int number);
  [[noreturn]] void end();
  void sendTab() { pendingTabs_++; }
  void startDrag(Screen& s, Control& picture);

  // Input, as the user gives it. Positions are client twips of the screen.
  // Each call runs everything it causes, including queued synthetic Tabs.
  void mouseDown(int screen, Button b, double x, double y, int shift = 0);
  void mouseUp(int screen, Button b, double x, double y, int shift = 0);
  void mouseMove(int screen, double x, double y);
  // A key on the focused control: KeyPress with ch (0 for keys that give no
  // character), the character into the box, then KeyUp with the key code.
  void key(int ch, int keyCode, int shift = 0);
  void tab();
  void close(int screen);
  // A press that will not be completed (a cancelled touch): no click, no
  // drop; a dragged picture stays where it was.
  void cancelPress();

  void observe(Observer* o) { observer_ = o; }
  void extend(Extension* e) { extension_ = e; }
  Extension* extension() const { return extension_; }

  // Where a dragged picture is, for painting its outline; nullopt if none.
  struct DragState { int screen; std::string picture; double x, y; };
  std::optional<DragState> dragging() const;

 private:
  template <class F> void input(F&& f);
  void activate(int number);
  void moveFocusOn(Screen& s);
  void drainTabs();

  Platform& platform_;
  Observer* observer_ = nullptr;
  Extension* extension_ = nullptr;
  std::map<int, std::unique_ptr<Screen>> screens_;
  std::vector<int> zorder_;  // loaded screens, active first
  bool ended_ = false;
  int pendingTabs_ = 0;

  struct Press { int screen; std::string control; Button button; };
  std::optional<Press> press_;
  std::optional<DragState> drag_;
};

}  // namespace shell

// Registers a screen class with the program: SCREEN(14, NextNumber, kForm14)
// makes Form14 a NextNumber built with (program, kForm14).
#define SCREEN(number, Class, ...)                                          \
  static const bool registered_Form##number = ::shell::Program::define(     \
      number, [](::shell::Program& p) {                                     \
        return std::make_unique<Class>(p __VA_OPT__(, ) __VA_ARGS__);       \
      })

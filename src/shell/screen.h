// A screen: its design (caption, size, back colour, controls in design
// order), its variables (members of the subclass, kept for the whole run),
// its controls while it is loaded, its drawing surface and its handlers.
//
// A screen does not decide who gets an event; the Program does that and
// calls the handlers registered here. Screens talk to the rest of the
// program only through the protected services below.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "control.h"
#include "units.h"

namespace shell {

class Program;
class Platform;

struct Design {
  std::string caption;
  double height = 8595;  // client area in twips; the width is kClientWidth
  Colour backColor = kNoColour;
  std::vector<Control> controls;  // design order: earlier is in front
  // The name of the label that tells the child what to do, said aloud when
  // the screen is shown; empty on the title and the menus.
  std::string instruction;
  // The entries that stand under a heading, each with its heading: they are
  // named after it, so that two entries of the same words can be told
  // apart when they are said.
  std::vector<std::pair<std::string, std::string>> headings;
};

// A box on the drawing surface of the rod screens.
struct Box {
  double left, top, width, height;
  Colour colour;
  bool solid;
};

// A caption as it is said and named: runs of blanks and line breaks
// folded into one blank, none at either end.
std::string fold(std::string_view caption);

class Screen {
 public:
  Screen(Program& program, int number, Design design);
  virtual ~Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  int number() const { return number_; }
  std::string name() const { return "Form" + std::to_string(number_); }
  const Design& design() const { return design_; }
  // The folded caption of the heading the control stands under
  // ("FORMA LA DECINA:"); empty where it stands under none.
  std::string headingOf(const Control& control) const;
  const std::string& caption() const { return design_.caption; }
  double height() const { return design_.height; }
  bool loaded() const { return loaded_; }

  // The control by name. A screen that is not loaded has no controls:
  // what a handler writes to them after its screen was unloaded is dropped.
  Control& operator()(std::string_view control);
  Control* find(std::string_view control);
  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }

  const std::vector<Box>& boxes() const { return boxes_; }
  Control* focus() const { return focus_; }

  // --- called by the Program ---
  void build();    // controls from the design, nothing drawn, no focus
  void discard();  // controls and drawing gone; variables stay
  void setFocus(Control* c) { focus_ = c; }
  // The front control that takes the mouse at (x, y), or nullptr (the screen).
  Control* hit(double x, double y);
  // Every control that takes the mouse, front first: the order hit tries them.
  std::vector<const Control*> mouseTargets() const;

  void fireLoad();
  void fireClick(Control& c);
  void fireMouseDown(Control* c, Button b, int shift, double x, double y);
  void fireDragDrop(Control& target, Control& source, double x, double y);
  void fireGotFocus(Control& c);
  void fireKeyPress(Control& c, int& ch);
  void fireKeyUp(Control& c, int key, int shift);
  bool hasClick(const Control& c) const { return clicks_.count(c.name) != 0; }

 protected:
  Program& program() { return program_; }
  Platform& platform();
  Screen& form(int number);

  // Show(target) then Unload(this screen): the way every screen is left.
  void go(int target);
  void show(int target);
  void unload();
  [[noreturn]] void end();
  void sendTab();
  void beep();
  void sleep(int milliseconds);
  void clearDrawing() { boxes_.clear(); }
  void drawBox(double left, double top, double width, double height, Colour colour, bool solid) {
    boxes_.push_back({left, top, width, height, colour, solid});
  }

  using Action = std::function<void()>;
  void onLoad(Action a) { load_ = std::move(a); }
  void onClick(std::string control, Action a) { clicks_[std::move(control)] = std::move(a); }
  void onGotFocus(std::string control, Action a) { gotFocus_[std::move(control)] = std::move(a); }
  void onKeyPress(std::string control, std::function<void(int& ch)> a) {
    keyPress_[std::move(control)] = std::move(a);
  }
  void onKeyUp(std::string control, std::function<void(int key, int shift)> a) {
    keyUp_[std::move(control)] = std::move(a);
  }
  // control "" is the screen itself; x and y are relative to the control.
  void onMouseDown(std::string control,
                   std::function<void(Button b, int shift, double x, double y)> a) {
    mouseDown_[std::move(control)] = std::move(a);
  }
  void onDragDrop(std::string control,
                  std::function<void(Control& source, double x, double y)> a) {
    dragDrop_[std::move(control)] = std::move(a);
  }
  // Starts dragging a picture (from a MouseDown handler).
  void drag(Control& picture);

 private:
  Program& program_;
  int number_;
  Design design_;
  bool loaded_ = false;
  std::vector<Control> controls_;
  std::vector<Box> boxes_;
  Control* focus_ = nullptr;
  Control scratch_;

  Action load_;
  std::unordered_map<std::string, Action> clicks_, gotFocus_;
  std::unordered_map<std::string, std::function<void(int&)>> keyPress_;
  std::unordered_map<std::string, std::function<void(int, int)>> keyUp_;
  std::unordered_map<std::string, std::function<void(Button, int, double, double)>> mouseDown_;
  std::unordered_map<std::string, std::function<void(Control&, double, double)>> dragDrop_;
};

}  // namespace shell

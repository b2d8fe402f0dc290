#include "screen.h"

#include <algorithm>

#include "program.h"

namespace shell {

std::string fold(std::string_view caption) {
  std::string out;
  bool blank = false;
  for (char c : caption) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

std::string Screen::headingOf(const Control& control) const {
  for (const auto& [entry, heading] : design_.headings)
    if (control.name == entry)
      for (const Control& h : design_.controls)
        if (h.name == heading) return fold(h.caption);
  return {};
}

Screen::Screen(Program& program, int number, Design design)
    : program_(program), number_(number), design_(std::move(design)) {}

Control* Screen::find(std::string_view control) {
  for (Control& c : controls_)
    if (c.name == control) return &c;
  return nullptr;
}

Control& Screen::operator()(std::string_view control) {
  if (!loaded_) return scratch_ = Control{};
  Control* c = find(control);
  if (!c) throw std::logic_error(name() + " has no control " + std::string(control));
  return *c;
}

void Screen::build() {
  controls_ = design_.controls;
  boxes_.clear();
  focus_ = nullptr;
  loaded_ = true;
}

void Screen::discard() {
  controls_.clear();
  boxes_.clear();
  focus_ = nullptr;
  loaded_ = false;
}

std::vector<const Control*> Screen::mouseTargets() const {
  std::vector<const Control*> targets;
  auto takesMouse = [](const Control& c) {
    return c.visible && c.enabled && c.kind != Kind::Shape && c.kind != Kind::Line;
  };
  // Text boxes lie over every other kind.
  for (const Control& c : controls_)
    if (c.kind == Kind::TextBox && takesMouse(c)) targets.push_back(&c);
  for (const Control& c : controls_)
    if (c.kind != Kind::TextBox && takesMouse(c)) targets.push_back(&c);
  return targets;
}

Control* Screen::hit(double x, double y) {
  for (const Control* c : mouseTargets())
    if (c->contains(x, y)) return const_cast<Control*>(c);
  return nullptr;
}

template <class Map, class... Args>
static void fire(Map& handlers, const std::string& name, Args&&... args) {
  auto it = handlers.find(name);
  if (it != handlers.end()) it->second(std::forward<Args>(args)...);
}

void Screen::fireLoad() {
  if (load_) load_();
}
void Screen::fireClick(Control& c) { fire(clicks_, c.name); }
void Screen::fireMouseDown(Control* c, Button b, int shift, double x, double y) {
  fire(mouseDown_, c ? c->name : std::string(), b, shift, x, y);
}
void Screen::fireDragDrop(Control& target, Control& source, double x, double y) {
  fire(dragDrop_, target.name, source, x, y);
}
void Screen::fireGotFocus(Control& c) { fire(gotFocus_, c.name); }
void Screen::fireKeyPress(Control& c, int& ch) { fire(keyPress_, c.name, ch); }
void Screen::fireKeyUp(Control& c, int key, int shift) { fire(keyUp_, c.name, key, shift); }

Platform& Screen::platform() { return program_.platform(); }
Screen& Screen::form(int number) { return program_.form(number); }
void Screen::go(int target) {
  program_.show(target);
  program_.unload(number_);
}
void Screen::show(int target) { program_.show(target); }
void Screen::unload() { program_.unload(number_); }
void Screen::end() { program_.end(); }
void Screen::sendTab() { program_.sendTab(); }
void Screen::beep() { program_.platform().beep(); }
void Screen::sleep(int ms) { program_.platform().sleep(ms); }
void Screen::drag(Control& picture) { program_.startDrag(*this, picture); }

}  // namespace shell

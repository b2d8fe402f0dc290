#include "program.h"

#include <algorithm>
#include <stdexcept>

namespace shell {

namespace {

std::map<int, Program::Factory>& registry() {
  static std::map<int, Program::Factory> factories;
  return factories;
}

// Handlers that keep sending Tabs to each other must not hang the program.
constexpr int kMaxTabsPerInput = 1000;

void appendCharacter(std::string& text, int ch) {
  if (ch < 0x80) {
    text += static_cast<char>(ch);
  } else {  // Latin-1 to UTF-8
    text += static_cast<char>(0xC0 | (ch >> 6));
    text += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

void removeLastCharacter(std::string& text) {
  while (!text.empty()) {
    const unsigned char c = text.back();
    text.pop_back();
    if ((c & 0xC0) != 0x80) break;  // stop after the first byte of a character
  }
}

}  // namespace

bool Program::define(int number, Factory f) {
  registry()[number] = std::move(f);
  return true;
}

Program::Program(Platform& platform) : platform_(platform) {}
Program::~Program() = default;

void Program::start() {
  input([&] { show(1); });
}

Screen& Program::form(int number) {
  if (const auto it = screens_.find(number); it != screens_.end()) return *it->second;
  const auto factory = registry().find(number);
  if (factory == registry().end()) throw std::logic_error("no screen Form" + std::to_string(number));
  return *(screens_[number] = factory->second(*this));
}

void Program::install(std::unique_ptr<Screen> screen) {
  const int n = screen->number();
  screens_[n] = std::move(screen);
}

std::vector<Screen*> Program::loaded() const {
  std::vector<Screen*> result;
  for (int n : zorder_) result.push_back(screens_.at(n).get());
  return result;
}

Screen* Program::active() const {
  return zorder_.empty() ? nullptr : screens_.at(zorder_.front()).get();
}

Control* Program::focus() const {
  Screen* s = active();
  return s ? s->focus() : nullptr;
}

void Program::show(int number) {
  if (ended_) return;
  Screen& s = form(number);
  if (!s.loaded()) {
    s.build();
    if (extension_)
      if (auto badge = extension_->badge(s)) s.controls().insert(s.controls().begin(), std::move(*badge));
    s.fireLoad();
    if (!s.loaded()) return;  // its Load handler unloaded it again
    zorder_.insert(zorder_.begin(), number);
    moveFocusOn(s);
  } else {
    activate(number);
  }
  if (observer_ && s.loaded() && active() == &s) observer_->shown(s);
}

void Program::showOnly(int number) {
  input([&] {
    show(number);
    for (int other : std::vector<int>(zorder_))
      if (other != number) unload(other);
  });
}

void Program::activate(int number) {
  auto it = std::find(zorder_.begin(), zorder_.end(), number);
  if (it != zorder_.end()) std::rotate(zorder_.begin(), it, it + 1);
}

void Program::unload(int number) {
  auto it = screens_.find(number);
  if (it == screens_.end() || !it->second->loaded()) return;
  it->second->discard();
  zorder_.erase(std::remove(zorder_.begin(), zorder_.end(), number), zorder_.end());
  if (press_ && press_->screen == number) press_.reset();
  if (drag_ && drag_->screen == number) drag_.reset();
}

void Program::end() {
  ended_ = true;
  for (auto& [n, s] : screens_)
    if (s->loaded()) s->discard();
  zorder_.clear();
  press_.reset();
  drag_.reset();
  throw ProgramEnded{};
}

void Program::startDrag(Screen& s, Control& picture) {
  drag_ = DragState{s.number(), picture.name, picture.centreX(), picture.centreY()};
}

std::optional<Program::DragState> Program::dragging() const { return drag_; }

template <class F>
void Program::input(F&& f) {
  if (ended_) return;
  try {
    f();
    drainTabs();
  } catch (ProgramEnded&) {
  }
  if (zorder_.empty()) ended_ = true;
  if (extension_ && !ended_) extension_->handled();
}

void Program::drainTabs() {
  for (int i = 0; pendingTabs_ > 0 && i < kMaxTabsPerInput; ++i) {
    --pendingTabs_;
    if (Screen* s = active()) moveFocusOn(*s);
  }
  pendingTabs_ = 0;
}

// The next visible, enabled text box in TabIndex order (design order between
// equal indexes), wrapping round; the first one if nothing has the focus.
void Program::moveFocusOn(Screen& s) {
  auto& cs = s.controls();
  auto order = [&](const Control* c) { return std::pair(c->tabIndex, c - cs.data()); };
  std::vector<Control*> boxes;
  for (Control& c : cs)
    if (c.kind == Kind::TextBox && c.visible && c.enabled) boxes.push_back(&c);
  if (boxes.empty()) return;
  std::sort(boxes.begin(), boxes.end(), [&](auto* a, auto* b) { return order(a) < order(b); });
  Control* current = s.focus();
  Control* next = boxes.front();
  if (current) {
    for (Control* b : boxes)
      if (order(b) > order(current)) { next = b; break; }
  }
  if (next == current) return;
  s.setFocus(next);
  s.fireGotFocus(*next);
}

void Program::mouseDown(int number, Button b, double x, double y, int shift) {
  input([&] {
    Screen& s = form(number);
    if (!s.loaded()) return;
    activate(number);
    Control* c = s.hit(x, y);
    press_ = Press{number, c ? c->name : std::string(), b};
    if (!c) {
      s.fireMouseDown(nullptr, b, shift, x, y);
    } else if (c->kind == Kind::TextBox) {
      if (b == Button::Left && s.focus() != c) {
        s.setFocus(c);
        s.fireGotFocus(*c);
      }
    } else if (c->kind == Kind::Image) {
      s.fireMouseDown(c, b, shift, x - c->left, y - c->top);
    }
  });
}

void Program::mouseUp(int number, Button b, double x, double y, int shift) {
  (void)shift;
  input([&] {
    Screen& s = form(number);
    if (!s.loaded()) return;
    if (drag_) {
      auto drag = *drag_;
      drag_.reset();
      press_.reset();
      if (drag.screen != number) return;
      Control* target = s.hit(x, y);
      Control* source = s.find(drag.picture);
      if (target && source && target->kind == Kind::Label)
        s.fireDragDrop(*target, *source, x - target->left, y - target->top);
      return;
    }
    auto press = press_;
    press_.reset();
    if (!press || press->screen != number || press->button != b || b != Button::Left) return;
    Control* c = s.hit(x, y);
    if (!c || c->name != press->control) return;
    if (observer_) observer_->clicked(s, *c);
    if (extension_ && c->is(kBadge)) extension_->badgeClicked(s);
    else s.fireClick(*c);
  });
}

void Program::cancelPress() {
  press_.reset();
  drag_.reset();
}

void Program::mouseMove(int number, double x, double y) {
  if (drag_ && drag_->screen == number) {
    drag_->x = x;
    drag_->y = y;
  }
}

void Program::key(int ch, int keyCode, int shift) {
  input([&] {
    Screen* s = active();
    Control* c = s ? s->focus() : nullptr;
    if (!c || !c->enabled || !c->visible) return;
    if (ch != 0) {
      int code = ch;
      s->fireKeyPress(*c, code);
      if (!s->loaded() || s->focus() != c) return;
      if (code == 8 && !c->locked) {
        removeLastCharacter(c->text);
      } else if (code >= 32 && code < 256 && code != 127 && !c->locked) {
        appendCharacter(c->text, code);
      }
    }
    s->fireKeyUp(*c, keyCode, shift);
  });
}

void Program::tab() {
  input([&] {
    if (Screen* s = active()) moveFocusOn(*s);
  });
}

void Program::close(int number) {
  input([&] { unload(number); });
}

}  // namespace shell

#include "page.h"

#include <emscripten.h>

#include <cmath>
#include <limits>

#include "draw/fit.h"
#include "draw/record.h"
#include "shell/units.h"

namespace web {

Page& page() {
  static Page p;
  return p;
}

void Page::start(double now) {
  if (!session) session = std::make_unique<session::Session>(machine(), measure);
  session->setVoice(voice, now);
  session->start(now);
}

// The board of the picture shown, fitted into the window as the desktop's
// whole-screen mode fits it.
session::PointerInput Page::at(double x, double y) const {
  const draw::Rect& client = session->frame().board;
  const draw::Fit f = draw::fit(client.w, client.h, windowWidth, windowHeight);
  session::PointerInput in;
  const double bx = (x - f.x) / f.factor, by = (y - f.y) / f.factor;
  in.x = bx * shell::kTwipsPerPixel;
  in.y = by * shell::kTwipsPerPixel;
  in.onBoard = bx >= 0 && by >= 0 && bx < client.w && by < client.h;
  return in;
}

}  // namespace web

// The page's entry points. Positions are CSS pixels of the window; `now`
// is the page's clock in milliseconds.
extern "C" {

using web::page;

EMSCRIPTEN_KEEPALIVE void aritmetica_start(double now) { page().start(now); }

EMSCRIPTEN_KEEPALIVE int aritmetica_ended() {
  return !page().session || page().session->frame().ended;
}

EMSCRIPTEN_KEEPALIVE void aritmetica_window(double width, double height) {
  page().windowWidth = width;
  page().windowHeight = height;
}

// kind 0 press, 1 move, 2 release, 3 cancel; button 1 left, 2 right, 4
// middle; touch for a finger or a pen.
EMSCRIPTEN_KEEPALIVE void aritmetica_pointer(int kind, int button, double x, double y, int shift, int touch,
                                             double now) {
  auto& p = page();
  if (!p.session) return;
  session::PointerInput in = p.at(x, y);
  in.kind = static_cast<session::PointerInput::Kind>(kind);
  in.button = static_cast<shell::Button>(button);
  in.shift = shift;
  in.device = touch ? session::Device::Touch : session::Device::Mouse;
  p.session->pointer(in, now);
}

// A key by its name (KeyboardEvent.key: "Backspace", "ArrowLeft", "F11",
// ...) or, for name "", the character it types. Returns 1 for the
// whole-screen key, which the page answers itself.
EMSCRIPTEN_KEEPALIVE int aritmetica_key(const char* name, int character, int keypad, int shift, double now) {
  auto& p = page();
  if (!p.session) return 0;
  session::Key key{session::KeyName::Character, static_cast<unsigned>(character), keypad != 0};
  if (*name) {
    const auto named = session::keyNamed(name);
    if (!named) return 0;
    key = session::Key{*named};
  }
  return p.session->key(key, shift, now) == session::KeyName::WholeScreen;
}

EMSCRIPTEN_KEEPALIVE void aritmetica_voice(int on, double now) {
  page().voice = on != 0;
  if (page().session) page().session->setVoice(on != 0, now);
}

// Brings the session to `now`. Returns 1 when the picture shown changed;
// the sounds due are then read with aritmetica_sound.
EMSCRIPTEN_KEEPALIVE int aritmetica_advance(double now) {
  auto& p = page();
  if (!p.session) return 0;
  const session::Frame* frame = p.session->advance(now);
  p.sounds.clear();
  if (!frame) return 0;
  p.sounds = frame->sounds;
  if (frame->picture == p.shown) return 0;
  p.shown = frame->picture;
  const session::Window* shown = frame->active();
  p.picture = web::encode(shown ? shown->drawing : frame->emptyBoard, frame->board.w, frame->board.h);
  return 1;
}

// When to call aritmetica_advance again (Infinity: at the next input).
EMSCRIPTEN_KEEPALIVE double aritmetica_wake() {
  return page().session ? page().session->wakeAt() : std::numeric_limits<double>::infinity();
}

EMSCRIPTEN_KEEPALIVE int aritmetica_sounds() { return int(page().sounds.size()); }

// The i-th sound due: 1 the chime, 2 a phrase (its text by
// aritmetica_text), 3 the phrase playing stops.
EMSCRIPTEN_KEEPALIVE int aritmetica_sound(int i) {
  const session::Sound& s = page().sounds.at(size_t(i));
  if (std::holds_alternative<session::Chime>(s)) return 1;
  if (const auto* say = std::get_if<session::Say>(&s)) {
    page().text = say->text;
    return 2;
  }
  return 3;
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_text() { return page().text.c_str(); }

// The picture shown, one buffer of numbers (see web::encode).
EMSCRIPTEN_KEEPALIVE const double* aritmetica_picture() { return page().picture.data(); }
EMSCRIPTEN_KEEPALIVE int aritmetica_picture_length() { return int(page().picture.size()); }

EMSCRIPTEN_KEEPALIVE const char* aritmetica_caption() {
  const auto& p = page();
  const session::Window* shown = p.session ? p.session->frame().active() : nullptr;
  return shown ? shown->caption.c_str() : "";
}

// The board in the window: which 0 gives the factor, 1 and 2 the corner,
// 3 and 4 the board's own width and height (all in CSS pixels but the last
// two, logical pixels).
EMSCRIPTEN_KEEPALIVE double aritmetica_fit(int which) {
  auto& p = page();
  const draw::Rect client = p.session ? p.session->frame().board : draw::Rect{0, 0, 792, 573};
  const draw::Fit f = draw::fit(client.w, client.h, p.windowWidth, p.windowHeight);
  switch (which) {
    case 0: return f.factor;
    case 1: return f.x;
    case 2: return f.y;
    case 3: return client.w;
    default: return client.h;
  }
}

// What the pointer shows over (x, y): 0 arrow, 1 hand, 2 chalk, 3 grab;
// the tooltip is then read with aritmetica_text.
EMSCRIPTEN_KEEPALIVE int aritmetica_hover(double x, double y) {
  auto& p = page();
  p.text.clear();
  const session::Window* shown = p.session ? p.session->frame().active() : nullptr;
  if (!shown) return 0;
  const session::PointerInput in = p.at(x, y);
  const session::HoverArea* hover = in.onBoard ? shown->hoverAt(in.x / shell::kTwipsPerPixel, in.y / shell::kTwipsPerPixel) : nullptr;
  if (!hover) return 0;
  p.text = hover->toolTip;
  return int(hover->pointer);
}

// Whether a tap at (x, y) reaches the text box that has the focus: there
// the device's own keyboard is wanted; and which keyboard the focused box
// wants: 0 none, 1 digits, 2 letters.
EMSCRIPTEN_KEEPALIVE int aritmetica_on_focused_box(double x, double y) {
  auto& p = page();
  if (!p.session) return 0;
  const session::PointerInput in = p.at(x, y);
  const auto& box = p.session->frame().focusedBox;
  const double bx = in.x / shell::kTwipsPerPixel, by = in.y / shell::kTwipsPerPixel;
  return in.onBoard && box && bx >= box->x && by >= box->y && bx < box->right() && by < box->bottom();
}

EMSCRIPTEN_KEEPALIVE int aritmetica_keyboard() {
  return page().session ? int(page().session->frame().keyboard) : 0;
}

// The colour of the margins round the board, 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int aritmetica_margin() { return int(draw::kMarginColour); }

// A picture's file name (1 to 10, the program's pictures), and a pointer's
// picture and hot spot (1 hand, 2 chalk, 3 grab) as a CSS cursor.
EMSCRIPTEN_KEEPALIVE const char* aritmetica_picture_name(int n) {
  const char* name = draw::pictureName(static_cast<shell::Picture>(n));
  return name ? name : "";
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_cursor(int pointer) {
  auto& text = page().text;
  const auto p = static_cast<shell::Pointer>(pointer);
  const char* name = draw::pictureName(draw::pointerPicture(p));
  if (!name) return "default";
  const draw::Point h = draw::hotSpot(p);
  text = std::string(name) + " " + std::to_string(h.x) + " " + std::to_string(h.y);
  return text.c_str();
}

}  // extern "C"

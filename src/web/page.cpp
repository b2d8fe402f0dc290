#include "page.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "draw/face_measure.h"
#include "draw/fit.h"
#include "draw/record.h"

EM_JS(void, js_chime, (), { aritmetica.effect('chime'); });
EM_JS(void, js_pause, (int ms), { aritmetica.pause(ms); });
EM_JS(void, js_screen, (double height, const char* caption), { aritmetica.draw('screen', height, UTF8ToString(caption)); });
EM_JS(void, js_ended, (), { aritmetica.draw('ended'); });
EM_JS(double, js_now, (), { return Date.now(); });

namespace web {

namespace {

// Text is laid out by the faces' own tables, as in every edition; the canvas
// only draws it.
const draw::Measure& measure() {
  static const draw::FaceMeasure m;
  return m;
}

}  // namespace

void WebPlatform::beep() { js_chime(); }

// The picture of the moment stays on the board while the program waits, as
// on the desktop: the page keeps it with the pause and plays the pictures
// back in order once the handler has finished, holding input till then.
void WebPlatform::sleep(int milliseconds) {
  page().paint();
  js_pause(std::max(milliseconds, 0));
}

void WebPlatform::reseed() {
  random_.mix(std::fmod(js_now() / 1000, 86400));  // seconds since midnight (UTC)
}

double WebPlatform::next() {
  if (!queued.empty()) {
    const double r = queued.front();
    queued.pop_front();
    return r;
  }
  return random_.next();
}

Page& page() {
  static Page p;
  return p;
}

void Page::restart() {
  program = std::make_unique<shell::Program>(platform);
  program->start();
}

const shell::Control* Page::controlAt(double x, double y) const {
  shell::Screen* s = program && !program->ended() ? program->active() : nullptr;
  return s ? s->hit(x, y) : nullptr;
}

void Page::paint() {
  const shell::Screen* s = program && !program->ended() ? program->active() : nullptr;
  if (!s) {
    js_ended();
    replay(draw::emptyBoard(shown), shown.w, shown.h);
    return;
  }
  shown = draw::clientRect(*s);
  js_screen(shown.h, s->caption().c_str());
  replay(draw::record(*program, *s, measure()), shown.w, shown.h);
}

}  // namespace web

// The page's entry points. Positions are client twips of the screen shown.
extern "C" {

EMSCRIPTEN_KEEPALIVE void aritmetica_start() {
  web::page().restart();
  web::page().paint();
}

EMSCRIPTEN_KEEPALIVE void aritmetica_paint() { web::page().paint(); }

EMSCRIPTEN_KEEPALIVE int aritmetica_ended() {
  auto& p = web::page();
  return !p.program || p.program->ended();
}

// kind 0 press, 1 release, 2 move; button 1 left, 2 right, 4 middle.
EMSCRIPTEN_KEEPALIVE void aritmetica_mouse(int kind, int button, double x, double y, int shift) {
  auto& p = web::page();
  if (aritmetica_ended()) return;
  const auto b = static_cast<shell::Button>(button);
  if (kind == 0) {
    if (shell::Screen* s = p.program->active()) p.pressScreen = s->number();
    p.program->mouseDown(p.pressScreen, b, x, y, shift);
  } else if (kind == 1) {
    p.program->mouseUp(p.pressScreen, b, x, y, shift);
  } else {
    const bool dragging = p.program->dragging().has_value();
    if (shell::Screen* s = p.program->active()) p.program->mouseMove(s->number(), x, y);
    if (!dragging) return;  // nothing on the board follows the pointer
  }
  p.paint();
}

EMSCRIPTEN_KEEPALIVE void aritmetica_key(int character, int keyCode, int shift) {
  auto& p = web::page();
  if (aritmetica_ended()) return;
  p.program->key(character, keyCode, shift);
  p.paint();
}

EMSCRIPTEN_KEEPALIVE void aritmetica_tab() {
  auto& p = web::page();
  if (aritmetica_ended()) return;
  p.program->tab();
  p.paint();
}

// What the pointer shows over (x, y): 0 arrow, 1 hand, 2 chalk, 3 grab.
EMSCRIPTEN_KEEPALIVE int aritmetica_pointer(double x, double y) {
  const shell::Control* c = web::page().controlAt(x, y);
  return c ? int(c->pointer) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_tooltip(double x, double y) {
  const shell::Control* c = web::page().controlAt(x, y);
  return c ? c->toolTip.c_str() : "";
}

// Whether a tap at (x, y) reaches the text box that has the focus: there
// the device's own keyboard is wanted.
EMSCRIPTEN_KEEPALIVE int aritmetica_on_focused_box(double x, double y) {
  const shell::Control* c = web::page().controlAt(x, y);
  return c && c == web::page().program->focus();
}

// The board in the window, as the desktop's whole-screen mode places it:
// which 0 gives the factor, 1 and 2 the corner (all in CSS pixels).
EMSCRIPTEN_KEEPALIVE double aritmetica_fit(double windowWidth, double windowHeight, double boardHeight,
                                           int which) {
  const draw::Fit f = draw::fit(shell::kClientWidth / shell::kTwipsPerPixel, boardHeight, windowWidth,
                                windowHeight);
  return which == 0 ? f.factor : which == 1 ? f.x : f.y;
}

// The colour of the margins round the board, 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int aritmetica_margin() { return int(draw::kMarginColour); }

// A picture's file name (1 to 10, the program's pictures), and a pointer's
// picture and hot spot (1 hand, 2 chalk, 3 grab) as a CSS cursor.
EMSCRIPTEN_KEEPALIVE const char* aritmetica_picture(int n) {
  const char* name = draw::pictureName(static_cast<shell::Picture>(n));
  return name ? name : "";
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_cursor(int pointer) {
  static std::string css;
  const auto p = static_cast<shell::Pointer>(pointer);
  const char* name = draw::pictureName(draw::pointerPicture(p));
  if (!name) return "default";
  const draw::Point h = draw::hotSpot(p);
  css = std::string("url(pictures/") + name + ".png) " + std::to_string(h.x) + " " + std::to_string(h.y) +
        ", pointer";
  return css.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_run(const char* lines) {
  static std::string error;
  error = web::runCommands(web::page(), lines);
  web::page().paint();
  return error.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* aritmetica_query(const char* word) {
  static std::string answer;
  answer = web::query(web::page(), word);
  return answer.c_str();
}

}  // extern "C"

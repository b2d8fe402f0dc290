#include "page.h"

#include <emscripten.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "canvas.h"
#include "draw/record.h"
#include "shell/units.h"

namespace web {

Page& page() {
  static Page p;
  return p;
}

// The board of the picture shown, fitted into the window as the desktop's
// whole-screen mode fits it.
draw::Fit Page::fit() const {
  const draw::Rect board = session ? session->frame().board : draw::Rect{0, 0, 792, 573};
  return draw::fit(board.w, board.h, windowWidth, windowHeight);
}

session::Session& Page::ensure() {
  if (!session) {
    session = std::make_unique<session::Session>(machine(), measure);
    session->classTurnable(true);  // the teacher turns the record on and off from the teacher's screen
  }
  return *session;
}

namespace {

// Said once, on the teacher's screen, when the browser keeps no record.
constexpr const char* kNoStore = "Questo browser non conserva il registro: esportalo prima di chiudere";

session::PointerInput pointerAt(const draw::Fit& f, const Input& in) {
  static constexpr session::PointerInput::Kind kinds[] = {session::PointerInput::Kind::Press,
                                                          session::PointerInput::Kind::Move,
                                                          session::PointerInput::Kind::Release,
                                                          session::PointerInput::Kind::Cancel,
                                                          session::PointerInput::Kind::Move};  // a hover
  static constexpr shell::Button buttons[] = {shell::Button::Left, shell::Button::Middle, shell::Button::Right};
  session::PointerInput p;
  const draw::Fit::Point b = f.toBoard(in.x, in.y);
  p.kind = kinds[int(in.event) - int(Event::Press)];
  p.button = buttons[int(in.button)];
  p.x = b.x * shell::kTwipsPerPixel;
  p.y = b.y * shell::kTwipsPerPixel;
  p.onBoard = f.onBoard(in.x, in.y);
  p.shift = session::shiftState(in.shift, in.ctrl, in.alt);
  p.device = in.touch ? session::Device::Touch : session::Device::Mouse;
  return p;
}

}  // namespace

void Page::input(const Input& in) {
  switch (in.event) {
    case Event::Start:
      ensure().setVoice(voice, in.now);
      session->start(in.now);
      return;
    case Event::Window:
      windowWidth = in.width;
      windowHeight = in.height;
      return;
    case Event::Voice:
      voice = in.on;
      if (session) session->setVoice(voice, in.now);
      return;
    default:
      break;
  }
  if (!session || session->frame().ended) return;
  pointer.tip = false;
  if (in.event == Event::Key) {
    session::Key key{session::KeyName::Character, in.character, in.keypad};
    if (!in.name.empty()) {
      const auto named = session::keyNamed(in.name);
      if (!named) return;
      key = session::Key{*named};
    }
    const int shift = session::shiftState(in.shift, in.ctrl, in.alt);
    if (session->key(key, shift, in.now) == session::KeyName::WholeScreen && !in.repeat) wholeScreen = true;
    return;
  }
  pointer.at = draw::Fit::Point{in.x, in.y};
  pointer.tip = in.event == Event::Hover && !in.touch;
  // Every move goes to the session, a hover too: a mouse that rests on a
  // control says its name.
  session->pointer(pointerAt(fit(), in), in.now);
}

const std::vector<double>& Page::advance(double now) {
  PageFrame out;
  const session::Frame* due = session ? session->advance(now) : nullptr;
  const draw::Fit f = fit();  // of the frame due: a screen of another height moves the board
  out.factor = f.factor;
  out.left = f.x;
  out.top = f.y;
  out.width = f.boardWidth;
  out.height = f.boardHeight;
  out.margin = int(draw::kMarginColour);
  out.wake = std::numeric_limits<double>::infinity();
  out.wholeScreen = wholeScreen;
  wholeScreen = false;
  if (session) {
    if (due) {
      out.sounds = due->sounds;
      if (due->picture != shown) {
        shown = due->picture;
        const session::Window* w = due->active();
        out.picture = encode(w ? w->drawing : due->emptyBoard, due->board.w, due->board.h);
      }
    }
    out.wake = session->wakeAt();
    const session::Frame& frame = session->frame();
    const session::Window* w = frame.active();
    out.ended = frame.ended;
    out.caption = w ? w->caption : "";
    out.keyboard = frame.keyboard;
    if (w && pointer.at && f.onBoard(pointer.at->x, pointer.at->y)) {
      const draw::Fit::Point b = f.toBoard(pointer.at->x, pointer.at->y);
      if (const session::HoverArea* hover = w->hoverAt(b.x, b.y)) {
        const shell::Picture picture = draw::pointerPicture(hover->pointer);
        const draw::Point hot = draw::hotSpot(hover->pointer);
        out.cursor = int(picture);
        out.hotX = int(hot.x);
        out.hotY = int(hot.y);
        if (pointer.tip) out.toolTip = hover->toolTip;
      }
      const auto& box = frame.focusedBox;
      out.onFocusedBox = box && b.x >= box->x && b.y >= box->y && b.x < box->right() && b.y < box->bottom();
    }
  }
  frame = writeFrame(out);
  return frame;
}

// --- the class record ---------------------------------------------------------

void Page::openClass(double epochMs, bool stored) {
  std::optional<record::Book> book = stored ? readBook(mailbox.data(), mailbox.size()) : ensure().classBook();
  if (!book) {
    machine().log("a stored class record out of its table");
    book.emplace();
  }
  ensure().openClass(std::move(*book), epochMs);
  if (!stored) storeRefused();
}

void Page::storeRefused() {
  if (!std::exchange(storeTroubleSaid, true)) ensure().classTrouble(kNoStore);
}

const std::vector<double>& Page::takeChanges() {
  changes = writeChanges(ensure().takeChanges(), ensure().classBook());
  return changes;
}

void Page::imported(double now) {
  if (const auto text = readText(mailbox.data(), mailbox.size())) ensure().imported(*text, now);
  else machine().log("an imported file out of its table");
}

}  // namespace web

// The page's entry points: where it writes an input record, the record
// handed in (one a DOM event), and the frame due at `now` (milliseconds of
// the page's clock), read once a displayed frame.
extern "C" {

EMSCRIPTEN_KEEPALIVE double* aritmetica_inbox() { return web::page().inbox.data(); }

EMSCRIPTEN_KEEPALIVE void aritmetica_input() {
  auto& p = web::page();
  if (const auto in = web::readInput(p.inbox.data())) p.input(*in);
  else web::machine().log("an input record out of its table");
}

EMSCRIPTEN_KEEPALIVE const double* aritmetica_frame(double now) { return web::page().advance(now).data(); }

// The class record: where the page writes `size` numbers for the calls
// below; the record opened from the stored book (or, `stored` 0, kept in
// memory only); a write the store refused; the changes to keep since the
// last call (read at every frame); an imported file's text.
EMSCRIPTEN_KEEPALIVE double* aritmetica_mailbox(double size) {
  auto& box = web::page().mailbox;
  box.assign(size_t(std::max(0.0, size)), 0);
  return box.data();
}
EMSCRIPTEN_KEEPALIVE void aritmetica_open_class(double epochMs, int stored) { web::page().openClass(epochMs, stored); }
EMSCRIPTEN_KEEPALIVE void aritmetica_store_refused() { web::page().storeRefused(); }
EMSCRIPTEN_KEEPALIVE const double* aritmetica_changes() { return web::page().takeChanges().data(); }
EMSCRIPTEN_KEEPALIVE void aritmetica_imported(double now) { web::page().imported(now); }

}  // extern "C"

// The page's boundary, written once: the record the page fills for each
// input event, the buffer it reads once a frame, and the class record's
// children and answers both ways. All are doubles, in the order of the
// tables below; a text is its length, then its UTF-16 code units.
// write-layout turns these tables into the page's layout.js, so that the
// JavaScript reads and writes fields by these names, never by offsets or
// numbers of its own (site/frame.js, site/record.js).
//
// Takes no decision about the program: page.cpp fills and reads these.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/book.h"
#include "session/frame.h"

namespace web {

// --- one input event --------------------------------------------------------
#define WEB_INPUT_FIELDS(X) \
  X(event) X(now) X(x) X(y) X(width) X(height) X(button) X(shift) X(ctrl) X(alt) X(touch) X(keypad) X(repeat) X(character) X(on)
// The fields that hold one of a list of names, and the lists.
inline constexpr const char* kEvents[] = {"start", "window", "voice", "press", "move", "release", "cancel", "hover",
                                          "key"};
inline constexpr const char* kButtons[] = {"left", "middle", "right"};
// After the fields: the key's name (KeyboardEvent.key, "" for a character),
// at most kKeyNameUnits code units.
constexpr int kKeyNameUnits = 32;

enum InputField {
#define WEB_FIELD(name) in_##name,
  WEB_INPUT_FIELDS(WEB_FIELD)
#undef WEB_FIELD
  kInputFields
};
constexpr int kInputSize = kInputFields + 1 + kKeyNameUnits;

enum class Event { Start, Window, Voice, Press, Move, Release, Cancel, Hover, Key };
enum class Button { Left, Middle, Right };

// An event as page.cpp reads it: a pointer's position (x, y) and a
// window's size in CSS pixels; a voice event's setting is `on`.
struct Input {
  Event event = Event::Start;
  double now = 0, x = 0, y = 0, width = 0, height = 0;
  Button button = Button::Left;
  bool shift = false, ctrl = false, alt = false, touch = false, keypad = false, repeat = false, on = false;
  unsigned character = 0;
  std::string name;
};
// nullopt for a record the tables do not allow (an event or a button out of
// its list, a name too long).
std::optional<Input> readInput(const double* record);

// --- one frame --------------------------------------------------------------
// The numbers first; `picture` says whether a drawing comes at the end.
#define WEB_FRAME_FIELDS(X)                                                                              \
  X(ended) X(wake) X(factor) X(left) X(top) X(width) X(height) X(margin) X(cursor) X(hotX) X(hotY)      \
  X(keyboard) X(onFocusedBox) X(wholeScreen) X(picture)
// Then these texts, in this order; then the sounds (their count, then each
// as its kind, its clip's key and its text); then, when `picture`, the
// drawing (its length, then web::encode's numbers).
#define WEB_FRAME_TEXTS(X) X(caption) X(toolTip)
inline constexpr const char* kKeyboards[] = {"none", "digits", "letters"};
inline constexpr const char* kSoundKinds[] = {"chime", "say", "hush"};

// What the page shows of one frame. Positions are CSS pixels of the window;
// the board's own size is logical pixels; cursor is a picture (0: the
// browser's arrow) with its hot spot.
struct PageFrame {
  bool ended = false;
  double wake = 0;  // when to ask for the next frame (Infinity: at the next input)
  double factor = 1, left = 0, top = 0, width = 0, height = 0;
  int margin = 0;  // 0xRRGGBB round the board
  int cursor = 0, hotX = 0, hotY = 0;
  session::Keyboard keyboard = session::Keyboard::None;
  bool onFocusedBox = false;  // the last pointer position is on the focused box
  bool wholeScreen = false;   // a key asked for the whole screen since the last frame
  std::string caption, toolTip;
  std::vector<session::Sound> sounds;
  std::optional<std::vector<double>> picture;  // the drawing, when it changed
};
std::vector<double> writeFrame(const PageFrame& frame);

// --- the class record ---------------------------------------------------------
// A child and an answer (record::Child, record::Row) as the page keeps them
// in its store, field by field: the numbers, then the texts.
#define WEB_CHILD_NUMBERS(X) X(picture)
#define WEB_CHILD_TEXTS(X) X(name)
#define WEB_ROW_NUMBERS(X) X(screen) X(attempt) X(right) X(ms) X(firstRight)
#define WEB_ROW_TEXTS(X) X(child) X(menu) X(asked) X(shown) X(given)
// record::Change::Kind's names, in its order.
inline constexpr const char* kChangeKinds[] = {"row",    "addChild", "renameChild", "removeChild", "eraseAll",
                                               "export", "import",   "turnOn",      "turnOff"};

// The changes the page keeps, in order: their count, then each as its kind,
// its row (its key as a text first, then the row), its child, its `name`
// and its `text`, then the rows it brings (a renamed child's rows under
// their new keys: their count, then each as key and row).
std::vector<double> writeChanges(const std::vector<record::Change>& changes, const record::Book& book);

// What the store holds, as the page hands it back: the children's count,
// each child; the rows' count, each row (no key: the book makes it).
// nullopt for a buffer that does not hold that.
std::optional<record::Book> readBook(const double* buffer, std::size_t size);
// A text as putText writes it: the file the teacher imported.
std::optional<std::string> readText(const double* buffer, std::size_t size);

}  // namespace web

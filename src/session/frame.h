// One moment of the program as every edition shows it: the windows of the
// loaded screens with their drawings, which one is in front, what the
// pointer shows over each of them, which keyboard the focused box wants,
// and the sounds that start at that moment. The session hands the editions
// frames and nothing else: an edition opens, raises, retitles and closes
// its windows, paints, sets its pointers and tooltips and plays sounds from
// the frame due, never from the screens themselves, so that what it shows
// and points at is always the picture being played.
//
// A frame is a plain value: it knows nothing of the screens' model, of any
// toolkit, or of how a sound is played.
#pragma once
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "draw/drawing.h"
#include "shell/control.h"

namespace session {

// The sounds a frame starts: the chime, a phrase of the voice's catalogue
// (by its clip's key and its text; a phrase being said stops first), or the
// end of the phrase being said.
struct Chime {
  bool operator==(const Chime&) const = default;
};
struct Say {
  std::string key;   // the clip, KEY.mp3 of the voice folder
  std::string text;  // the phrase, as the catalogue holds it
  bool operator==(const Say&) const = default;
};
struct Hush {
  bool operator==(const Hush&) const = default;
};
using Sound = std::variant<Chime, Say, Hush>;

// What the pointer shows over one area of a window: its pointer shape, its
// tooltip, and the phrase that resting the mouse or holding a finger there
// says (the name of what leads somewhere, a heading, the instruction, a
// number word; none while the voice is off). The areas of a window are
// listed front first; the first one that holds a position is the one under
// the pointer there.
struct HoverArea {
  draw::Rect area;  // logical pixels of the window's client area
  shell::Pointer pointer = shell::Pointer::Arrow;
  std::string toolTip;
  std::optional<Say> says;
  bool operator==(const HoverArea&) const = default;
};

// One loaded screen: its number, title, client area (logical pixels, from
// 0, 0) and drawing.
struct Window {
  int screen = 0;
  std::string caption;
  draw::Rect client;
  draw::Drawing drawing;
  std::vector<HoverArea> hover;

  // The area under (x, y), logical pixels; nullptr over nothing that takes
  // the mouse (the arrow, no tooltip).
  const HoverArea* hoverAt(double x, double y) const;
};


enum class Keyboard { None, Digits, Letters };

struct Frame {
  // Every loaded screen, front to back: the active one first. None once
  // the program has ended (the editions then show the empty chalkboard of
  // `board` and close their windows).
  std::vector<Window> windows;
  bool ended = false;
  // The board's size while no screen is shown (the page keeps its board).
  draw::Rect board{0, 0, 792, 573};
  draw::Drawing emptyBoard;  // the empty chalkboard, drawn once the program has ended

  // The text box that has the focus on the active screen, if any: where a
  // tap asks for the device's keyboard, and which keyboard it wants.
  std::optional<draw::Rect> focusedBox;  // logical pixels of the active window
  Keyboard keyboard = Keyboard::None;

  // The sounds that start with this frame, in order.
  std::vector<Sound> sounds;

  // Counts the changes of the pictures: an edition repaints when it moves.
  unsigned long picture = 0;

  const Window* active() const { return windows.empty() ? nullptr : &windows.front(); }
  const Window* window(int screen) const;
};

}  // namespace session

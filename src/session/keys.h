// What a key of the keyboard is worth to the screens, for every edition and
// the scenario runner alike: a key is named without any toolkit (a special
// key by name, or the character it types, on the main keyboard or the
// keypad), and becomes the character code of KeyPress (Latin-1, 0 for keys
// that give none) and the Windows key code of KeyUp, that of the key of the
// Italian keyboard the character is typed on, whatever the shift (digit
// keys 48-57, so "%" is 53; keypad digits 96-105; letters 65-90 for either
// case; 0 for a character with no key of its own, such as "`"). No
// character of the main keyboard gives a keypad or a special key's code.
// Which key is the program's own (F11, the voice) is decided here too; what
// they do is not.
#pragma once
#include <optional>
#include <string_view>

namespace session {

enum class KeyName {
  Character,  // a key that types `character`
  Backspace, Enter, Escape, Tab, Delete, Left, Right, Up, Down, Home, End,
  Shift, Control, Alt,
  WholeScreen,  // F11
  Voice,        // F2: the spoken instructions off and on
};

struct Key {
  KeyName name = KeyName::Character;
  unsigned character = 0;  // a code point, for KeyName::Character
  bool keypad = false;     // typed on the numeric keypad
};

// The shift state that mouse and key events carry: 1 Shift, 2 Ctrl, 4 Alt.
enum Shift { kShift = 1, kCtrl = 2, kAlt = 4 };
constexpr int shiftState(bool shift, bool ctrl, bool alt) {
  return (shift ? kShift : 0) | (ctrl ? kCtrl : 0) | (alt ? kAlt : 0);
}

struct KeyCodes {
  int character = 0;
  int keyCode = 0;
};

// nullopt for keys the screens never see: Tab (it moves the focus), the
// program's own keys, and characters outside Latin-1 that have no key code.
// "€" is typed on the E key but has no Latin-1 code, so no text box could
// hold it: it gives no KeyPress (character 0), only the KeyUp of its key, 69.
std::optional<KeyCodes> keyCodes(const Key& key);

// A key named as the scenario files and the page name it ("Backspace",
// "ArrowLeft", "F11", ...); nullopt for a name we do not know.
std::optional<KeyName> keyNamed(std::string_view name);

}  // namespace session

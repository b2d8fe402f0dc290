// What a key of the keyboard is worth to the screens: the character code of
// KeyPress (Latin-1, 0 for keys that give none) and the Windows key code of
// KeyUp (main-keyboard digits 48-57, keypad digits 96-105, letters 65-90).
#pragma once
#include <QString>
#include <Qt>
#include <optional>

namespace desktop {

struct KeyCodes {
  int character = 0;
  int keyCode = 0;
  int shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
};

// The shift state of mouse and key events: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

// nullopt for keys the screens never see (Tab moves the focus instead).
std::optional<KeyCodes> keyCodes(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace desktop

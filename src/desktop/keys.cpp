#include "keys.h"

#include <map>

namespace desktop {

namespace {

// Keys that give no character (or a control character of their own).
const std::map<int, KeyCodes>& specialKeys() {
  static const std::map<int, KeyCodes> keys = {
      {Qt::Key_Backspace, {8, 8}}, {Qt::Key_Return, {13, 13}}, {Qt::Key_Enter, {13, 13}},
      {Qt::Key_Escape, {27, 27}},  {Qt::Key_Shift, {0, 16}},   {Qt::Key_Control, {0, 17}},
      {Qt::Key_Alt, {0, 18}},      {Qt::Key_End, {0, 35}},     {Qt::Key_Home, {0, 36}},
      {Qt::Key_Left, {0, 37}},     {Qt::Key_Up, {0, 38}},      {Qt::Key_Right, {0, 39}},
      {Qt::Key_Down, {0, 40}},     {Qt::Key_Delete, {0, 46}},  {Qt::Key_Space, {32, 32}},
  };
  return keys;
}

}  // namespace

int shiftState(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

std::optional<KeyCodes> keyCodes(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab) return std::nullopt;
  KeyCodes k;
  k.shift = shiftState(modifiers);
  if (auto it = specialKeys().find(qtKey); it != specialKeys().end()) {
    k.character = it->second.character;
    k.keyCode = it->second.keyCode;
    return k;
  }
  const QChar first = text.isEmpty() ? QChar() : text.front();
  if (first.unicode() >= 32 && first.unicode() < 256 && first.unicode() != 127)
    k.character = first.unicode();
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    const int digit = qtKey - Qt::Key_0;
    k.keyCode = (modifiers & Qt::KeypadModifier) ? 96 + digit : 48 + digit;
  } else if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
    k.keyCode = 65 + (qtKey - Qt::Key_A);
  } else if (qtKey >= 0x20 && qtKey < 0x7F) {
    k.keyCode = qtKey;  // punctuation: no screen looks at its code
  } else if (k.character == 0) {
    return std::nullopt;  // a function key, a modifier we do not pass on
  }
  return k;
}

}  // namespace desktop

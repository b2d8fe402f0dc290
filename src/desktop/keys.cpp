#include "keys.h"

#include <QList>
#include <map>

namespace desktop {

namespace {

using session::KeyName;

const std::map<int, KeyName>& namedKeys() {
  static const std::map<int, KeyName> keys = {
      {Qt::Key_Backspace, KeyName::Backspace}, {Qt::Key_Return, KeyName::Enter},
      {Qt::Key_Enter, KeyName::Enter},         {Qt::Key_Escape, KeyName::Escape},
      {Qt::Key_Delete, KeyName::Delete},       {Qt::Key_Left, KeyName::Left},
      {Qt::Key_Right, KeyName::Right},         {Qt::Key_Up, KeyName::Up},
      {Qt::Key_Down, KeyName::Down},           {Qt::Key_Home, KeyName::Home},
      {Qt::Key_End, KeyName::End},             {Qt::Key_Shift, KeyName::Shift},
      {Qt::Key_Control, KeyName::Control},     {Qt::Key_Alt, KeyName::Alt},
      {Qt::Key_F11, KeyName::WholeScreen},     {Qt::Key_F2, KeyName::Voice},
  };
  return keys;
}

}  // namespace

int shiftState(Qt::KeyboardModifiers m) {
  return session::shiftState(m & Qt::ShiftModifier, m & Qt::ControlModifier, m & Qt::AltModifier);
}

std::optional<session::Key> key(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  if (auto it = namedKeys().find(qtKey); it != namedKeys().end()) return session::Key{it->second};
  const uint first = text.isEmpty() ? 0 : text.toUcs4().value(0);
  if (first < 32 || first == 127) return std::nullopt;  // a function key, or no text
  return session::Key{KeyName::Character, first, (modifiers & Qt::KeypadModifier) != 0};
}

}  // namespace desktop

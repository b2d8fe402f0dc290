// A key of Qt's as the session names it: a special key by name, or the
// character it types, on the main keyboard or the keypad. What it is worth
// to the screens is the session's business.
#pragma once
#include <QString>
#include <Qt>
#include <optional>

#include "session/keys.h"

namespace desktop {

// The shift state of mouse and key events (session::Shift).
int shiftState(Qt::KeyboardModifiers modifiers);

// nullopt for keys the program never sees (function keys, modifiers we do
// not pass on). Tab never comes here: the window moves the focus with it
// before Qt would.
std::optional<session::Key> key(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace desktop

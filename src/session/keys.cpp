#include "keys.h"

#include <array>
#include <utility>

namespace session {

namespace {

struct Special {
  KeyName name;
  KeyCodes codes;
};

// Backspace, Enter and Escape type a control character; the others only
// give a key code.
constexpr std::array kSpecial = {
    Special{KeyName::Backspace, {8, 8}}, Special{KeyName::Enter, {13, 13}},
    Special{KeyName::Escape, {27, 27}},  Special{KeyName::Delete, {0, 46}},
    Special{KeyName::Left, {0, 37}},     Special{KeyName::Right, {0, 39}},
    Special{KeyName::Up, {0, 38}},       Special{KeyName::Down, {0, 40}},
    Special{KeyName::Home, {0, 36}},     Special{KeyName::End, {0, 35}},
    Special{KeyName::Shift, {0, 16}},    Special{KeyName::Control, {0, 17}},
    Special{KeyName::Alt, {0, 18}},
};

constexpr std::array<std::pair<std::string_view, KeyName>, 20> kNames = {{
    {"Backspace", KeyName::Backspace}, {"Enter", KeyName::Enter},   {"Escape", KeyName::Escape},
    {"Tab", KeyName::Tab},             {"Delete", KeyName::Delete}, {"Left", KeyName::Left},
    {"ArrowLeft", KeyName::Left},      {"Right", KeyName::Right},   {"ArrowRight", KeyName::Right},
    {"Up", KeyName::Up},               {"ArrowUp", KeyName::Up},    {"Down", KeyName::Down},
    {"ArrowDown", KeyName::Down},      {"Home", KeyName::Home},     {"End", KeyName::End},
    {"Shift", KeyName::Shift},         {"Control", KeyName::Control}, {"Alt", KeyName::Alt},
    {"F11", KeyName::WholeScreen},     {"F2", KeyName::Voice},
}};

// The key code of a character typed on the main keyboard: letters give
// their capital's, everything else in ASCII its own code (no screen reads
// the code of punctuation); accented letters have none.
int keyCodeOf(unsigned c) {
  if (c >= 'a' && c <= 'z') return static_cast<int>(c - 32);
  if (c >= 0x20 && c < 0x7F) return static_cast<int>(c);
  return 0;
}

}  // namespace

std::optional<KeyCodes> keyCodes(const Key& key) {
  if (key.name != KeyName::Character) {
    for (const Special& s : kSpecial)
      if (s.name == key.name) return s.codes;
    return std::nullopt;  // Tab, F11, the voice key
  }
  const unsigned c = key.character;
  KeyCodes k;
  k.character = c >= 32 && c < 256 && c != 127 ? static_cast<int>(c) : 0;
  k.keyCode = key.keypad && c >= '0' && c <= '9' ? static_cast<int>(96 + c - '0') : keyCodeOf(c);
  if (k.character == 0 && k.keyCode == 0) return std::nullopt;
  return k;
}

std::optional<KeyName> keyNamed(std::string_view name) {
  for (const auto& [n, k] : kNames)
    if (n == name) return k;
  return std::nullopt;
}

}  // namespace session

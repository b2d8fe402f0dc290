#include "keys.h"

#include <array>
#include <string_view>
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

// A key and every character typed on it, alone, with Shift or with AltGr.
struct KeyOf {
  int code;
  std::u32string_view characters;
};

// The Italian main keyboard, letters and the blank aside. The digit keys
// keep their codes for the characters typed on them with Shift, so that
// "%" goes up as the 5 key; "`" and "~" have no key of their own.
constexpr std::array kMainKeyboard = {
    KeyOf{48, U"0="},   KeyOf{49, U"1!"},    KeyOf{50, U"2\""},   KeyOf{51, U"3£"},
    KeyOf{52, U"4$"},   KeyOf{53, U"5%"},    KeyOf{54, U"6&"},    KeyOf{55, U"7/"},
    KeyOf{56, U"8("},   KeyOf{57, U"9)"},    KeyOf{220, U"\\|"},  KeyOf{219, U"'?"},
    KeyOf{221, U"ì^"},  KeyOf{186, U"èé[{"}, KeyOf{187, U"+*]}"}, KeyOf{192, U"òç@"},
    KeyOf{222, U"à°#"}, KeyOf{191, U"ù§"},   KeyOf{226, U"<>"},   KeyOf{188, U",;"},
    KeyOf{190, U".:"},  KeyOf{189, U"-_"},   KeyOf{69, U"€"},
};

// The numeric keypad: digits 96 to 105, then its operators and its point.
constexpr std::array kKeypad = {
    KeyOf{96, U"0"},  KeyOf{97, U"1"},  KeyOf{98, U"2"},  KeyOf{99, U"3"},  KeyOf{100, U"4"},
    KeyOf{101, U"5"}, KeyOf{102, U"6"}, KeyOf{103, U"7"}, KeyOf{104, U"8"}, KeyOf{105, U"9"},
    KeyOf{106, U"*"}, KeyOf{107, U"+"}, KeyOf{109, U"-"}, KeyOf{110, U".,"}, KeyOf{111, U"/"},
};

template <size_t N>
int codeIn(const std::array<KeyOf, N>& keys, char32_t c) {
  for (const KeyOf& k : keys)
    if (k.characters.find(c) != std::u32string_view::npos) return k.code;
  return 0;
}

int keyCodeOf(char32_t c, bool keypad) {
  if (keypad)
    if (const int code = codeIn(kKeypad, c)) return code;
  if (c >= U'a' && c <= U'z') return static_cast<int>(c - U'a' + U'A');
  if ((c >= U'A' && c <= U'Z') || c == U' ') return static_cast<int>(c);
  return codeIn(kMainKeyboard, c);
}

}  // namespace

std::optional<KeyCodes> keyCodes(const Key& key) {
  if (key.name != KeyName::Character) {
    for (const Special& s : kSpecial)
      if (s.name == key.name) return s.codes;
    return std::nullopt;  // Tab, F11, the voice key
  }
  const char32_t c = key.character;
  KeyCodes k;
  k.character = c >= 32 && c < 256 && c != 127 ? static_cast<int>(c) : 0;
  k.keyCode = keyCodeOf(c, key.keypad);
  if (k.character == 0 && k.keyCode == 0) return std::nullopt;
  return k;
}

std::optional<KeyName> keyNamed(std::string_view name) {
  for (const auto& [n, k] : kNames)
    if (n == name) return k;
  return std::nullopt;
}

}  // namespace session

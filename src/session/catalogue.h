// The voice's catalogue: every phrase the program says, with the key of its
// clip (KEY.mp3 in the voice folder), read from assets/voice/phrases.txt at
// build time. Every edition finds a clip through this table alone.
#pragma once
#include <optional>
#include <span>
#include <string_view>

namespace session {

struct Phrase {
  std::string_view key, text;
};

std::span<const Phrase> catalogue();

// The phrase that says `text`, and the key of its clip; nullopt for a text
// not in the catalogue (nothing is said then).
std::optional<Phrase> phraseSaying(std::string_view text);
std::optional<std::string_view> clipOf(std::string_view text);

}  // namespace session

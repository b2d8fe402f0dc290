#include "speech.h"

#include "catalogue.h"
#include "frame/words.h"
#include "shell/screen.h"

namespace session {

namespace {

constexpr int kLastWord = 20;

bool isNumberWord(std::string_view text) {
  for (int n = 0; n <= kLastWord; ++n)
    if (frame::wordOf(n) == text) return true;
  return false;
}

}  // namespace

const shell::Control* instruction(const shell::Screen& screen) {
  const std::string& name = screen.design().instruction;
  if (name.empty() || !screen.loaded()) return nullptr;
  for (const shell::Control& c : screen.controls())
    if (c.name == name) return &c;
  return nullptr;
}

std::optional<std::string> phraseOf(const shell::Screen& screen, const shell::Control& control) {
  if (control.kind != shell::Kind::Label || !control.visible) return std::nullopt;
  const std::string text = fold(control.caption);
  if (text.empty()) return std::nullopt;
  if (&control == instruction(screen) || isNumberWord(text)) return text;
  return std::nullopt;
}

std::optional<Phrase> namePhraseOf(const shell::Screen& screen, const shell::Control& control) {
  if (auto tapped = phraseOf(screen, control)) return phraseSaying(*tapped);
  std::string text = fold(!control.spoken.empty() ? control.spoken
                          : !control.caption.empty() ? control.caption : control.toolTip);
  if (text.empty()) return std::nullopt;
  if (const std::string heading = screen.headingOf(control); !heading.empty()) text = heading + " " + text;
  return phraseSaying(text);
}

}  // namespace session

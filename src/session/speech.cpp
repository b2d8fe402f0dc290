#include "speech.h"

#include "catalogue.h"
#include "frame/words.h"
#include "shell/screen.h"

namespace session {

namespace {

constexpr int kLastWord = 20;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isNumberWord(std::string_view text) {
  for (int n = 0; n <= kLastWord; ++n)
    if (frame::wordOf(n) == text) return true;
  return false;
}

}  // namespace

std::string fold(std::string_view caption) {
  std::string out;
  bool blank = false;
  for (char c : caption) {
    if (isBlank(c)) {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

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
  for (const auto& [entry, heading] : screen.design().headings)
    if (control.name == entry)
      for (const shell::Control& h : screen.controls())
        if (h.name == heading) text = fold(h.caption) + " " + text;
  return phraseSaying(text);
}

}  // namespace session

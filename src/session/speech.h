// What the program says: the instruction of an exercise screen when it is
// shown or tapped, and a number word ("ZERO" to "VENTI") when its label is
// tapped. Nothing else speaks. A phrase is a caption with its runs of
// blanks and line breaks folded into one blank, as the voice's catalogue
// holds it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace shell {
class Screen;
struct Control;
}  // namespace shell

namespace session {

std::string fold(std::string_view caption);

// The instruction label of a screen; nullptr on the title and the menus.
const shell::Control* instruction(const shell::Screen& screen);

// The phrase a tap on the control says, if any.
std::optional<std::string> phraseOf(const shell::Screen& screen, const shell::Control& control);

}  // namespace session

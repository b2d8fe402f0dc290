// What the program says: the instruction of an exercise screen when it is
// shown or tapped, a number word ("ZERO" to "VENTI") when its label is
// tapped, and the name of a control that leads somewhere (or a heading)
// when the child rests on it or holds a finger on it. A phrase is a caption with its runs of
// blanks and line breaks folded into one blank, as the voice's catalogue
// holds it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "shell/screen.h"

namespace session {

using shell::fold;

// The instruction label of a screen; nullptr on the title and the menus.
const shell::Control* instruction(const shell::Screen& screen);

// The phrase a tap on the control says, if any.
std::optional<std::string> phraseOf(const shell::Screen& screen, const shell::Control& control);

// The phrase that resting the mouse or holding a finger on the control
// says, if the voice's catalogue has one: what a tap says, or else what it
// is given to say (Control::spoken), or its caption (its tooltip where it
// has none of its own), after the caption of
// the heading it stands under ("FORMA LA DECINA: Con i regoli").
std::optional<Phrase> namePhraseOf(const shell::Screen& screen, const shell::Control& control);

}  // namespace session

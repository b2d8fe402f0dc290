// What the menus' entries open, for those who name a screen after its entry.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "screen.h"

namespace shell {

// Each entry of the menu and the screen it opens (0: the end), in design
// order; nothing for a screen that is not a menu.
std::vector<std::pair<std::string, int>> menuEntries(Screen& menu);

}  // namespace shell

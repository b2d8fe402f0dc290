// The input commands of scenario files (random, show, click, press, release,
// move, drag, type, keypad, key, close), given to a session as a child's
// mouse and keyboard would give them. The scenario runner and the page's
// test build both run them. An input the program cannot take (after the
// end, on a screen that is not loaded) throws InputRefused with the reason,
// and nothing of it reaches the program.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scenario.h"

namespace shell {
class Program;
class Screen;
struct Control;
}  // namespace shell
namespace session {
class Session;
}

namespace scenarios {

struct InputRefused {
  std::string message;
};

bool isInput(const std::string& verb);

// How long `rest` and `hold` stay still: longer than any delay the program
// waits for.
constexpr double kStillMs = 2000;

// Runs one input command at the time `now` of the session's clock; the
// reals of `random` go to queue.
void applyInput(session::Session& session, double now, const std::function<void(double)>& queue,
                const std::vector<Word>& words);

// FormN, loaded, or InputRefused; and the screen of "FormN.Control".
shell::Screen& loadedScreen(shell::Program& program, int number);
int screenOf(const std::string& word);

// A control's property as a scenario writes it ("Caption", "Visible",
// "Left", ...): texts as they are, flags as true/false, numbers in their
// shortest form; nullopt for a property we do not know.
std::optional<std::string> property(const shell::Control& control, const std::string& name);

}  // namespace scenarios

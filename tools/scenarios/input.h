// The input commands of scenario files (random, show, click, press, release,
// move, drag, type, keypad, key, close), given to a Program as a child's
// mouse and keyboard would give them. The scenario runner and the browser
// page's test hook both run them. An input the program cannot take (after
// the end, on a screen that is not loaded) throws InputRefused with the
// reason, and nothing of it reaches the program.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scenario.h"

namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace scenarios {

struct InputRefused {
  std::string message;
};

bool isInput(const std::string& verb);

// Runs one input command; the reals of `random` go to queue.
void applyInput(shell::Program& program, const std::function<void(double)>& queue,
                const std::vector<Word>& words);

// FormN, loaded, or InputRefused; and the screen of "FormN.Control".
shell::Screen& loadedScreen(shell::Program& program, int number);
int screenOf(const std::string& word);

}  // namespace scenarios

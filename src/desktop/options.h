// The command line: --fullscreen starts in the whole-screen mode,
// --no-voice with the spoken instructions off, --help says so; anything
// else is a mistake, answered with the usage line. The options of Qt itself (-platform, -display, -style and their like) are let
// through to the application untouched.
#pragma once
#include <string>
#include <vector>

namespace desktop {

struct Options {
  enum class Action { Run, Help, Usage };
  Action action = Action::Run;
  bool wholeScreen = false;
  bool voice = true;
  std::string mistake;  // the argument that was not understood (Usage)
};

Options parseOptions(const std::vector<std::string>& arguments);  // without argv[0]

extern const char* const kUsage;  // one line, for standard error
extern const char* const kHelp;   // for --help, on standard output

}  // namespace desktop

// The command line: --fullscreen starts in the whole-screen mode,
// --no-voice with the spoken instructions off, --classe [DIR] keeps the
// class record (in DIR, or the user's data folder), --esporta FILE writes
// the record kept there as a spreadsheet and ends, --help says so; anything
// else is a mistake, answered with the usage line. The options of Qt itself (-platform, -display, -style and their like) are let
// through to the application untouched.
#pragma once
#include <string>
#include <vector>

namespace desktop {

struct Options {
  enum class Action { Run, Export, Help, Usage };
  Action action = Action::Run;
  bool wholeScreen = false;
  bool voice = true;
  bool keepClass = false;
  std::string classFolder;  // empty: the user's data folder
  std::string exportTo;     // the spreadsheet's file (Export)
  std::string mistake;  // the argument that was not understood (Usage)
};

Options parseOptions(const std::vector<std::string>& arguments);  // without argv[0]

extern const char* const kUsage;  // one line, for standard error
extern const char* const kHelp;   // for --help, on standard output

}  // namespace desktop

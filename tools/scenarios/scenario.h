// Scenario files: parsing them into cases of commands, and running the cases
// against the real screens on the fake platform. The parser checks every
// word it can without running anything, so that a malformed file is told
// with its line before any case runs.
#pragma once
#include <string>
#include <vector>

namespace scenarios {

// One word of a command line; quoted says it was written in double quotes.
struct Word {
  std::string text;
  bool quoted = false;
};

struct Command {
  int line = 0;
  std::vector<Word> words;  // words[0] is the command
};

struct Case {
  int line = 0;
  std::string name;
  std::vector<Command> commands;
};

struct ParseError {
  int line = 0;
  std::string message;
};

struct Script {
  std::vector<Case> cases;
  std::vector<ParseError> errors;
};

// Splits one line into words; an error for an unterminated quote or a bad
// escape. A # outside quotes ends the line.
bool splitLine(const std::string& line, std::vector<Word>& words, std::string& error);

// Parses a whole file's text. Never throws.
Script parse(const std::string& text);

struct Outcome {
  int passed = 0;
  int failed = 0;
};

// Runs every case of a file, printing "FILE:LINE: ..." for each failing
// check to out. snapshots go to outDir.
Outcome runFile(const std::string& fileName, const std::string& text, const std::string& outDir,
                std::string& out);

}  // namespace scenarios

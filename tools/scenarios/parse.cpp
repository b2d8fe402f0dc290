#include <charconv>
#include <cmath>
#include <set>
#include <sstream>

#include "scenario.h"
#include "syntax.h"

namespace scenarios {

bool splitLine(const std::string& line, std::vector<Word>& words, std::string& error) {
  words.clear();
  size_t i = 0;
  const size_t n = line.size();
  while (i < n) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') { ++i; continue; }
    if (c == '#') break;
    Word w;
    if (c == '"') {
      w.quoted = true;
      ++i;
      bool closed = false;
      while (i < n) {
        const char d = line[i++];
        if (d == '"') { closed = true; break; }
        if (d == '\\') {
          if (i >= n || (line[i] != '"' && line[i] != '\\')) {
            error = "bad escape in quoted text (only \\\" and \\\\)";
            return false;
          }
          w.text += line[i++];
        } else {
          w.text += d;
        }
      }
      if (!closed) { error = "unterminated quote"; return false; }
      if (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '#') {
        error = "a quoted text must be followed by a blank";
        return false;
      }
    } else {
      while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        if (line[i] == '"') { error = "a quote inside a word"; return false; }
        w.text += line[i++];
      }
    }
    words.push_back(std::move(w));
  }
  return true;
}

Script parse(const std::string& text) {
  Script script;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  std::vector<Word> words;
  while (std::getline(in, line)) {
    ++number;
    // A byte order mark, as some editors put at the top of a UTF-8 file.
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    std::string error;
    if (line.find('\0') != std::string::npos) {
      script.errors.push_back({number, "not a text line (NUL byte)"});
      continue;
    }
    if (!splitLine(line, words, error)) {
      script.errors.push_back({number, error});
      continue;
    }
    if (words.empty()) continue;
    if (words[0].text == "case" && !words[0].quoted) {
      if (words.size() != 2 || !words[1].quoted) {
        script.errors.push_back({number, "case takes one quoted name: case \"...\""});
        continue;
      }
      script.cases.push_back({number, words[1].text, {}});
      continue;
    }
    if (script.cases.empty()) {
      script.errors.push_back({number, "command before the first case"});
      continue;
    }
    Command cmd{number, words};
    if (!checkCommand(cmd, error)) {
      script.errors.push_back({number, error});
      continue;
    }
    script.cases.back().commands.push_back(std::move(cmd));
  }
  for (const Case& c : script.cases)
    if (c.commands.empty()) script.errors.push_back({c.line, "case \"" + c.name + "\" has no commands"});
  return script;
}

}  // namespace scenarios

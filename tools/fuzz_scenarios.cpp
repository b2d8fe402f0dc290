// libFuzzer target of the scenario parser: any bytes at all must parse
// without a crash or a hang, and every complaint must name a line of the
// input (so that run-scenarios can print it as FILE:LINE) and say what is
// wrong. Built and run by tools/fuzz.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const scenarios::Script script = scenarios::parse(text);
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  auto fail = [&](const char* what, int line) {
    std::fprintf(stderr, "fuzz-scenarios: %s (line %d of %d)\n", what, line, lines);
    std::abort();
  };
  for (const auto& e : script.errors) {
    if (e.line < 1 || e.line > lines) fail("an error names no line of the input", e.line);
    if (e.message.empty()) fail("an error says nothing", e.line);
  }
  for (const auto& c : script.cases) {
    if (c.line < 1 || c.line > lines) fail("a case names no line of the input", c.line);
    for (const auto& cmd : c.commands) {
      if (cmd.line < c.line || cmd.line > lines) fail("a command names no line of its case", cmd.line);
      if (cmd.words.empty()) fail("an empty command", cmd.line);
    }
  }
  return 0;
}

// libFuzzer target of the scenario parser (tools/fuzz): a crash or hang on any
// bytes, or a complaint, case or command naming no line or saying nothing.
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
  auto expect = [&](bool ok, const char* what, int line) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-scenarios: %s (line %d of %d)\n", what, line, lines);
    std::abort();
  };
  for (const auto& e : script.errors) expect(e.line >= 1 && e.line <= lines && !e.message.empty(), "a bad error", e.line);
  for (const auto& c : script.cases) {
    expect(c.line >= 1 && c.line <= lines, "a case names no line of the input", c.line);
    for (const auto& cmd : c.commands)
      expect(cmd.line >= c.line && cmd.line <= lines && !cmd.words.empty(), "a bad command", cmd.line);
  }
  return 0;
}

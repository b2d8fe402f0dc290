// run-scenarios [--out DIR] FILE.scn...: runs scenario files against the
// real screens on the fake platform and prints "N passed, M failed".
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "scenario.h"

int main(int argc, char** argv) {
  std::string outDir = ".";
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--out") {
      if (i + 1 >= argc) {
        std::cerr << "run-scenarios: --out needs a directory\n";
        return 2;
      }
      outDir = argv[++i];
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) {
    std::cerr << "usage: run-scenarios [--out DIR] FILE.scn...\n";
    return 2;
  }
  // The snapshots' folder is made if it is not there yet.
  std::error_code ignored;
  std::filesystem::create_directories(outDir, ignored);
  scenarios::Outcome total;
  for (const std::string& f : files) {
    std::ifstream in(f, std::ios::binary);
    std::string out;
    if (!in) {
      out = f + ":0: cannot read the file\n";
      total.failed += 1;
    } else {
      std::ostringstream text;
      text << in.rdbuf();
      auto o = scenarios::runFile(f, text.str(), outDir, out);
      total.passed += o.passed;
      total.failed += o.failed;
    }
    std::fputs(out.c_str(), stdout);
  }
  std::printf("%d passed, %d failed\n", total.passed, total.failed);
  return total.failed == 0 ? 0 : 1;
}

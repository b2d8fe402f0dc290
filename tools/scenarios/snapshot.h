// Paints a screen to a PNG file exactly as the desktop program shows it,
// without a display.
#pragma once
#include <string>

namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace scenarios {

bool writeSnapshot(const shell::Program& program, const shell::Screen& screen, const std::string& path,
                   std::string& error);

}  // namespace scenarios

#include "options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace desktop {

const char* const kUsage =
    "usage: aritmetica [--fullscreen] [--no-voice] [--classe [DIR] [--esporta FILE.csv]] [--help]\n";
const char* const kHelp =
    "usage: aritmetica [--fullscreen] [--no-voice] [--classe [DIR] [--esporta FILE.csv]] [--help]\n"
    "Arithmetic drills for the first class of primary school.\n"
    "\n"
    "  --fullscreen  start in the whole-screen mode: the screens fill the monitor\n"
    "  --no-voice    start with the spoken instructions off\n"
    "  --classe [DIR]  keep the class record: who plays, and every answer, in an\n"
    "                SQLite database in DIR (by default $XDG_DATA_HOME/aritmetica,\n"
    "                or ~/.local/share/aritmetica); without it nothing is kept\n"
    "  --esporta FILE.csv  write every answer of the class record as a spreadsheet\n"
    "                (UTF-8, \";\"-separated) to FILE.csv, print the number of\n"
    "                rows written (\"3 righe\") and exit, without a window\n"
    "  --help        show this help and exit\n"
    "\n"
    "F11 switches between the whole-screen mode and the window at any moment.\n"
    "F2 turns the spoken instructions off and on at any moment.\n";

namespace {

// Qt's own options: those followed by a value, and those that stand alone.
constexpr std::array<std::string_view, 12> kQtWithValue = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-display",
    "-geometry", "-style", "-stylesheet", "-session"};
constexpr std::array<std::string_view, 5> kQtAlone = {"-reverse", "-nograb", "-dograb", "-sync",
                                                      "-widgetcount"};

template <size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view a) {
  return std::find(names.begin(), names.end(), a) != names.end();
}

// "-style=fusion" and "--platform xcb" are Qt's too.
std::string_view qtName(std::string_view a) {
  if (a.starts_with("--")) a.remove_prefix(1);
  return a.substr(0, a.find('='));
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
  Options o;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view a = arguments[i];
    if (a == "--fullscreen") {
      o.wholeScreen = true;
    } else if (a == "--no-voice") {
      o.voice = false;
    } else if (a == "--classe") {
      o.keepClass = true;
      if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("-")) o.classFolder = arguments[++i];
    } else if (a == "--esporta") {
      if (i + 1 == arguments.size()) {
        o.action = Options::Action::Usage;
        o.mistake = a;
        return o;
      }
      o.keepClass = true;
      o.action = Options::Action::Export;
      o.exportTo = arguments[++i];
    } else if (a == "--help" || a == "-h") {
      o.action = Options::Action::Help;
      return o;
    } else if (among(kQtWithValue, qtName(a))) {
      if (a.find('=') == std::string_view::npos) ++i;  // its value
    } else if (!among(kQtAlone, qtName(a))) {
      o.action = Options::Action::Usage;
      o.mistake = a;
      return o;
    }
  }
  return o;
}

}  // namespace desktop

// Aritmetica: the title screen opens; everything else is the screens' own.
// The options are the whole-screen mode, the voice and the class record
// (see options.h); no setting is kept, and without --classe no file either.
#include <QApplication>
#include <QIcon>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "class_store.h"
#include "desktop.h"
#include "options.h"

namespace {

std::string classFolder(const desktop::Options& options) {
  return options.classFolder.empty() ? desktop::ClassStore::defaultFolder() : options.classFolder;
}

// --esporta: the record's every answer as a spreadsheet, with no window.
int exportClass(const desktop::Options& options) {
  std::string error;
  const auto book = desktop::ClassStore::read(classFolder(options), error);
  if (!book) {
    std::fprintf(stderr, "aritmetica: %s\n", error.c_str());
    return 1;
  }
  std::ofstream out(options.exportTo, std::ios::binary | std::ios::trunc);
  out << record::toCsv(book->rows());
  out.close();
  if (!out) {
    std::fprintf(stderr, "aritmetica: cannot write %s: %s\n", options.exportTo.c_str(), std::strerror(errno));
    return 1;
  }
  const std::size_t rows = book->rows().size();
  std::printf("%zu %s\n", rows, rows == 1 ? "riga" : "righe");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is answered before any window or display is touched.
  const desktop::Options options = desktop::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (options.action == desktop::Options::Action::Help) {
    std::fputs(desktop::kHelp, stdout);
    return 0;
  }
  if (options.action == desktop::Options::Action::Usage) {
    std::fprintf(stderr, "aritmetica: unknown option '%s'\n%s", options.mistake.c_str(), desktop::kUsage);
    return 2;
  }
  if (options.action == desktop::Options::Action::Export) return exportClass(options);
  // Without a session bus, the sound library would try to start one (and a
  // process with it) just to hear about a sound server appearing later.
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  // With no sound server to reach, the media library would try a JACK
  // server next, whose library leaves its files in /dev/shm: the sound
  // goes to the sound server or to the sound card, never through JACK.
  const QByteArray ranks = qgetenv("GST_PLUGIN_FEATURE_RANK");
  qputenv("GST_PLUGIN_FEATURE_RANK", (ranks.isEmpty() ? "" : ranks + ",") + "jackaudiosink:NONE,jackaudiosrc:NONE");
  int status = 0;
  {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(":/pictures/icon_64.png"));
    QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends
    desktop::Desktop desktop;
    desktop.setWholeScreen(options.wholeScreen);
    desktop.setVoice(options.voice);
    if (options.keepClass) desktop.keepClass(classFolder(options));
    desktop.start();
    status = QApplication::exec();
  }
  // Qt's cache of sound samples waits for ever, in its exit handler, for a
  // chime still being loaded when the program ends soon after the first
  // input: the program ends without the exit handlers.
  std::fflush(nullptr);
  std::_Exit(status);
}

// Snapshots of the scenario runner: the screen painted exactly as the desktop
// program paints it, at a device pixel ratio of 1, with no display needed.
#include "snapshot.h"

#include <QGuiApplication>

#include "desktop/paint/paint.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "shell/program.h"

namespace scenarios {

namespace {

// Fonts need a QGuiApplication; a runner without one gets an offscreen one.
// It lives until the process ends: destroyed among the static objects at
// exit, it would unload the faces after Qt's own thread data is gone.
void ensureApplication() {
  if (QGuiApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "run-scenarios";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

}  // namespace

bool writeSnapshot(const shell::Program& program, const shell::Screen& screen, const std::string& path,
                   std::string& error) {
  ensureApplication();
  static const draw::FaceMeasure measure;
  const draw::Rect board = draw::clientRect(screen);
  const QImage image = paint::render(draw::record(program, screen, measure), QSize(int(board.w), int(board.h)), 1.0);
  if (!image.save(QString::fromStdString(path), "PNG")) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace scenarios

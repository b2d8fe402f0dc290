// Placeholder until the painter lands: a blank picture of the screen's size.
#include "snapshot.h"

#include <QImage>

#include "shell/program.h"

namespace scenarios {

bool writeSnapshot(const shell::Program&, const shell::Screen& screen, const std::string& path,
                   std::string& error) {
  QImage image(792, static_cast<int>(screen.height() / shell::kTwipsPerPixel), QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  if (!image.save(QString::fromStdString(path), "PNG")) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace scenarios

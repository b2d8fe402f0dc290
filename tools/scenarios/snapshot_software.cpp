// Snapshots of the scenario runner where there is no Qt: the screen's
// drawing replayed by the software backend.
#include "draw/face_measure.h"
#include "draw/record.h"
#include "raster.h"
#include "shell/program.h"
#include "snapshot.h"

namespace scenarios {

bool writeSnapshot(const shell::Program& program, const shell::Screen& screen, const std::string& path,
                   std::string& error) {
  static const raster::Fonts fonts;
  static const draw::FaceMeasure measure;
  const draw::Rect client = draw::clientRect(screen);
  raster::Canvas canvas(int(client.w), int(client.h), fonts);
  canvas.replay(draw::record(program, screen, measure));
  if (!canvas.writePng(path)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace scenarios

// The pictures and pointers of the painter: what each model value looks
// like on a Qt surface.
#include <map>

#include "draw/record.h"
#include "paint.h"

namespace paint {

using shell::Picture;
using shell::Pointer;

const QImage& picture(Picture p) {
  static std::map<Picture, QImage> loaded;
  auto it = loaded.find(p);
  if (it == loaded.end()) {
    QImage image;
    if (const char* name = draw::pictureName(p))
      image = QImage(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    it = loaded.emplace(p, std::move(image)).first;
  }
  return it->second;
}

Picture pointerPicture(Pointer p) { return draw::pointerPicture(p); }

QPoint hotSpot(Pointer p) {
  const draw::Point h = draw::hotSpot(p);
  return {h.x, h.y};
}

}  // namespace paint

// The faces the painter draws with are the very files the text is measured
// from (draw::FaceMeasure's tables come from them at build time): loaded by
// path, so that no other face of the same name, nor a fallback face, draws
// a caption that was laid out for these.
#include <QFontDatabase>
#include <QStringList>
#include <cstdio>

#include "draw/face_measure.h"
#include "paint.h"

namespace paint {

namespace {

bool load() {
  QStringList missing;
  for (const char* file : draw::kFaceFiles) {
    const QString path = QString::fromUtf8(file);
    if (QFontDatabase::addApplicationFont(path) < 0) missing << path;
  }
  if (!missing.isEmpty())
    std::fprintf(stderr,
                 "aritmetica: cannot load %s (the package fonts-liberation2): captions are drawn in another "
                 "face and may not fit their labels\n",
                 qPrintable(missing.join(QStringLiteral(", "))));
  return missing.isEmpty();
}

}  // namespace

bool loadFaces() {
  static const bool loaded = load();
  return loaded;
}

}  // namespace paint

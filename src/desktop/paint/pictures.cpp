// The pictures, pointers, colours and fonts of the painter: what each model
// value looks like on a Qt surface.
#include <QGuiApplication>
#include <QPalette>
#include <map>

#include "paint.h"

namespace paint {

using shell::Picture;
using shell::Pointer;

const QImage& picture(Picture p) {
  static const std::map<Picture, const char*> files = {
      {Picture::Chalkboard, "chalkboard"},     {Picture::FaceNeutral, "face_neutral"},
      {Picture::FaceHappy, "face_happy"},      {Picture::FaceSad, "face_sad"},
      {Picture::BeadWhite, "bead_white"},      {Picture::BeadRed, "bead_red"},
      {Picture::ArrowBack, "arrow_back"},      {Picture::PointerHand, "pointer_hand"},
      {Picture::PointerChalk, "pointer_chalk"}, {Picture::PointerGrab, "pointer_grab"},
  };
  static std::map<Picture, QImage> loaded;
  auto it = loaded.find(p);
  if (it == loaded.end()) {
    auto file = files.find(p);
    QImage image;
    if (file != files.end())
      image = QImage(QStringLiteral(":/pictures/%1.png").arg(file->second))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    it = loaded.emplace(p, std::move(image)).first;
  }
  return it->second;
}

Picture pointerPicture(Pointer p) {
  switch (p) {
    case Pointer::Hand: return Picture::PointerHand;
    case Pointer::Chalk: return Picture::PointerChalk;
    case Pointer::Grab: return Picture::PointerGrab;
    case Pointer::Arrow: break;
  }
  return Picture::None;
}

QPoint hotSpot(Pointer p) {
  switch (p) {
    case Pointer::Hand: return {12, 1};   // the tip of the index finger
    case Pointer::Chalk: return {16, 16};  // the middle of the icon
    case Pointer::Grab: return {16, 14};  // the palm
    case Pointer::Arrow: break;
  }
  return {0, 0};
}

QColor colour(shell::Colour c) {
  if (shell::isSystemColour(c)) {
    // The system colours the screens use, by their index, with the desktop's
    // palette where there is one and the classic shades otherwise.
    struct System { shell::Colour index; QPalette::ColorRole role; QColor fallback; };
    static const System kSystem[] = {
        {0x05, QPalette::Base, QColor(Qt::white)},             // window background
        {0x08, QPalette::Text, QColor(Qt::black)},             // window text
        {0x0F, QPalette::Button, QColor(0xF0, 0xF0, 0xF0)},    // button face
        {0x10, QPalette::Dark, QColor(0xA0, 0xA0, 0xA0)},      // button shadow
        {0x12, QPalette::ButtonText, QColor(Qt::black)},       // button text
        {0x14, QPalette::Light, QColor(Qt::white)},            // button highlight
    };
    const bool app = QGuiApplication::instance() != nullptr;
    for (const System& s : kSystem)
      if ((c & 0xFF) == s.index) return app ? QGuiApplication::palette().color(s.role) : s.fallback;
    return QColor(Qt::black);
  }
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QFont font(const shell::Font& f) {
  // Faces of the same widths as the ones the screens were laid out with.
  static const std::map<std::string, QString> faces = {
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"MS Sans Serif", "Liberation Sans"},
  };
  auto it = faces.find(f.face);
  QFont font(it != faces.end() ? it->second : QString::fromStdString(f.face));
  // Points at 96 dpi, whatever the screen's real dpi.
  font.setPixelSize(std::max(1, qRound(f.points * 96 / 72)));
  font.setBold(f.bold);
  font.setStyleHint(f.face == "Times New Roman" ? QFont::Serif : QFont::SansSerif);
  return font;
}

}  // namespace paint

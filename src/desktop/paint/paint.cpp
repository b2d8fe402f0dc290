#include "paint.h"

#include <QHash>
#include <QPainter>
#include <type_traits>


namespace paint {

namespace {

QRectF rect(const draw::Rect& r) { return QRectF(r.x, r.y, r.w, r.h); }

void figure(QPainter& p, draw::Figure f, const QRectF& r, double radius) {
  switch (f) {
    case draw::Figure::Ellipse: p.drawEllipse(r); break;
    case draw::Figure::RoundedRectangle: p.drawRoundedRect(r, radius, radius); break;
    case draw::Figure::Rectangle: p.drawRect(r); break;
  }
}

struct Replay {
  QPainter& p;

  void operator()(const draw::Fill& f) {
    if (f.figure == draw::Figure::Rectangle && !f.antialias) {
      p.fillRect(rect(f.rect), rgb(f.colour));
      return;
    }
    p.setRenderHint(QPainter::Antialiasing, f.antialias);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(f.colour));
    figure(p, f.figure, rect(f.rect), f.radius);
  }
  void operator()(const draw::Stroke& s) {
    p.setRenderHint(QPainter::Antialiasing, s.antialias);
    QPen pen(rgb(s.colour), s.width, s.dotted ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    figure(p, s.figure, rect(s.rect), s.radius);
  }
  void operator()(const draw::Segment& s) {
    p.setRenderHint(QPainter::Antialiasing, s.antialias);
    p.setPen(QPen(rgb(s.colour), s.width, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
  }
  void operator()(const draw::Image& i) {
    const QImage& image = picture(i.picture);
    if (image.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(i.rect), image);
  }
  void operator()(const draw::Text& t) {
    p.setFont(font(t.font));
    p.setPen(rgb(t.colour));
    p.drawText(QPointF(t.x, t.baseline), QString::fromStdString(t.text));
  }
  void operator()(const draw::Clip& c) {
    p.save();
    p.setClipRect(rect(c.rect), Qt::IntersectClip);
  }
  void operator()(const draw::Unclip&) { p.restore(); }
};

}  // namespace

void replay(QPainter& p, const draw::Drawing& drawing) {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  Replay r{p};
  for (const draw::Command& c : drawing) std::visit(r, c);
  p.restore();
}

QImage render(const draw::Drawing& drawing, QSize size, qreal devicePixelRatio) {
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::black);
  QPainter p(&image);
  replay(p, drawing);
  return image;
}

QColor rgb(draw::Rgb c) { return QColor(draw::red(c), draw::green(c), draw::blue(c)); }

QFont font(const draw::FontSpec& f) {
  loadFaces();
  // Faces of the same widths as the ones the screens were laid out with.
  QFont font(f.family == draw::Family::Serif ? QStringLiteral("Liberation Serif")
                                             : QStringLiteral("Liberation Sans"));
  font.setPixelSize(f.pixelSize);
  font.setBold(f.bold);
  font.setStyleHint(f.family == draw::Family::Serif ? QFont::Serif : QFont::SansSerif);
  return font;
}

}  // namespace paint

#include "paint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "shell/program.h"

namespace paint {

using shell::Control;
using shell::Kind;

namespace {

constexpr double kTwips = shell::kTwipsPerPixel;
constexpr int kOutlineBoxBorder = 6;  // pixels: clearly unlike a solid rod
constexpr double kNarrowerGlyphs = 0.01;

const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kLight(227, 227, 227);
const QColor kHighlight(255, 255, 255);

int alignment(shell::Align a) {
  switch (a) {
    case shell::Align::Right: return Qt::AlignRight;
    case shell::Align::Centre: return Qt::AlignHCenter;
    case shell::Align::Left: break;
  }
  return Qt::AlignLeft;
}

void drawLabel(QPainter& p, const Control& c) {
  const QRectF r = pixels(c);
  if (c.opaque) p.fillRect(r, colour(c.backColor));
  if (c.framed) {  // a thin single border, inside the label's rectangle
    p.save();
    p.setPen(QPen(colour(shell::kBlack), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
  }
  if (c.caption.empty()) return;
  p.save();
  const QFont f = font(c.font);
  p.setFont(f);
  const QString caption = QString::fromStdString(c.caption);
  // The screens were laid out with a renderer whose glyphs come out a shade
  // narrower: a caption that misses its line by a hair stays on one line,
  // as it did there, instead of wrapping into a second line that is cut off.
  int flags = alignment(c.align) | Qt::AlignTop | Qt::TextWordWrap;
  QRectF clip = r;
  const qreal overflow = QFontMetricsF(f).horizontalAdvance(caption) - r.width();
  if (overflow > 0 && overflow <= std::max(2.0, r.width() * kNarrowerGlyphs) && !caption.contains('\n')) {
    flags &= ~Qt::TextWordWrap;
    clip.adjust(-overflow, 0, overflow, 0);
  }
  p.setClipRect(clip);
  if (c.enabled) {
    p.setPen(colour(c.foreColor));
    p.drawText(r, flags, caption);
  } else {
    // Greyed and embossed, as a disabled label is drawn.
    p.setPen(kHighlight);
    p.drawText(r.translated(1, 1), flags, caption);
    p.setPen(kShadow);
    p.drawText(r, flags, caption);
  }
  p.restore();
}

// The caret inverts what lies under it, so it shows on every box colour.
QColor inverse(const QColor& c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); }

// A one-line box with a sunken border; the caret sits after the text.
void drawTextBox(QPainter& p, const Control& c, bool focused) {
  const QRectF r = pixels(c);
  p.fillRect(r, colour(c.backColor));
  p.save();
  p.setPen(QPen(kShadow, 1));
  p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.left() + 0.5, r.top() + 0.5));
  p.drawLine(QPointF(r.left() + 0.5, r.top() + 0.5), QPointF(r.right() - 0.5, r.top() + 0.5));
  p.setPen(QPen(kDarkShadow, 1));
  p.drawLine(QPointF(r.left() + 1.5, r.bottom() - 1.5), QPointF(r.left() + 1.5, r.top() + 1.5));
  p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.5), QPointF(r.right() - 1.5, r.top() + 1.5));
  p.setPen(QPen(kHighlight, 1));
  p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.right() - 0.5, r.bottom() - 0.5));
  p.drawLine(QPointF(r.right() - 0.5, r.bottom() - 0.5), QPointF(r.right() - 0.5, r.top() + 0.5));
  p.setPen(QPen(kLight, 1));
  p.drawLine(QPointF(r.left() + 1.5, r.bottom() - 1.5), QPointF(r.right() - 1.5, r.bottom() - 1.5));
  p.drawLine(QPointF(r.right() - 1.5, r.bottom() - 1.5), QPointF(r.right() - 1.5, r.top() + 1.5));

  const QRectF inside = r.adjusted(3, 2, -3, -2);
  p.setClipRect(inside);
  const QFont f = font(c.font);
  p.setFont(f);
  const QString text = QString::fromStdString(c.text);
  const QFontMetricsF metrics(f);
  const qreal width = metrics.horizontalAdvance(text);
  qreal x = inside.left();
  if (c.align == shell::Align::Centre) x = inside.center().x() - width / 2;
  if (c.align == shell::Align::Right) x = inside.right() - width;
  const qreal top = inside.center().y() - metrics.height() / 2;
  p.setPen(c.enabled ? colour(c.foreColor) : kShadow);
  p.drawText(QPointF(x, top + metrics.ascent()), text);
  if (focused) {
    const qreal caretX = std::min(x + width + 1, inside.right() - 2);
    const qreal caretTop = std::max(top, inside.top() + 1);
    const qreal caretBottom = std::min(top + metrics.height(), inside.bottom() - 1);
    p.fillRect(QRectF(caretX, caretTop, std::max<qreal>(2, f.pixelSize() / 40.0), caretBottom - caretTop),
               inverse(colour(c.backColor)));
  }
  p.restore();
}

void drawImage(QPainter& p, const Control& c) {
  const QImage& image = picture(c.picture);
  if (image.isNull()) return;
  const QRectF r = pixels(c);
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (c.stretch)
    p.drawImage(r, image);
  else
    p.drawImage(r.topLeft(), image);
  p.restore();
}

void drawShape(QPainter& p, const Control& c) {
  QRectF r = pixels(c);
  const bool square = c.shape == 1 || c.shape == 3 || c.shape == 5;
  if (square) {
    const qreal side = std::min(r.width(), r.height());
    r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  }
  // A thick border lies inside the shape's rectangle.
  const qreal pen = std::max(1, c.borderWidth);
  const QRectF outline = r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
  const qreal radius = std::min(r.width(), r.height()) / 6;
  auto draw = [&](const QRectF& rect) {
    switch (c.shape) {
      case 2: case 3: p.drawEllipse(rect); break;
      case 4: case 5: p.drawRoundedRect(rect, radius, radius); break;
      default: p.drawRect(rect); break;
    }
  };
  p.save();
  p.setRenderHint(QPainter::Antialiasing, c.shape >= 2);
  p.setPen(Qt::NoPen);
  if (c.filled) {
    p.setBrush(colour(c.backColor));
    draw(r);
  }
  if (c.fillStyle == 0) {
    p.setBrush(colour(c.fillColor));
    draw(r);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour(c.borderColor), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  draw(outline);
  p.restore();
}

void drawLine(QPainter& p, const Control& c) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour(c.borderColor), std::max(1, c.borderWidth)));
  p.drawLine(QPointF(c.left / kTwips, c.top / kTwips), QPointF(c.x2 / kTwips, c.y2 / kTwips));
  p.restore();
}

void drawBoxes(QPainter& p, const shell::Screen& screen) {
  for (const shell::Box& b : screen.boxes()) {
    const QRectF r(b.left / kTwips, b.top / kTwips, b.width / kTwips, b.height / kTwips);
    if (b.solid) {
      p.fillRect(r, colour(b.colour));
    } else {
      const qreal w = std::min<qreal>(kOutlineBoxBorder, std::min(r.width(), r.height()) / 2);
      QPainterPath frame;
      frame.addRect(r);
      frame.addRect(r.adjusted(w, w, -w, -w));
      p.fillPath(frame, colour(b.colour));
    }
  }
}

void drawDragOutline(QPainter& p, const shell::Program& program, const shell::Screen& screen) {
  const auto drag = program.dragging();
  if (!drag || drag->screen != screen.number()) return;
  const Control* source = nullptr;
  for (const Control& c : screen.controls())
    if (c.name == drag->picture) source = &c;
  if (!source) return;
  const QRectF r(drag->x / kTwips - source->width / kTwips / 2,
                 drag->y / kTwips - source->height / kTwips / 2, source->width / kTwips,
                 source->height / kTwips);
  p.save();
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
  p.setPen(QPen(Qt::white, 1, Qt::DotLine));
  p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
  p.restore();
}

}  // namespace

QSize clientSize(const shell::Screen& screen) {
  return QSize(int(shell::kClientWidth / kTwips), int(screen.height() / kTwips));
}

QRectF pixels(const Control& c) {
  return QRectF(c.left / kTwips, c.top / kTwips, c.width / kTwips, c.height / kTwips);
}

void paint(QPainter& p, const shell::Program& program, const shell::Screen& screen) {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRect client(QPoint(0, 0), clientSize(screen));
  const shell::Colour back = screen.design().backColor;
  p.fillRect(client, back == shell::kNoColour ? colour(shell::kButtonFace) : colour(back));
  p.drawImage(QPointF(0, 0), picture(shell::Picture::Chalkboard));
  drawBoxes(p, screen);

  // Back to front: later controls first, so that earlier ones end in front;
  // text boxes lie over every other kind.
  const auto& controls = screen.controls();
  const bool active = program.active() == &screen;
  for (bool boxes : {false, true}) {
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      const Control& c = *it;
      if (!c.visible || (c.kind == Kind::TextBox) != boxes) continue;
      switch (c.kind) {
        case Kind::Label: drawLabel(p, c); break;
        case Kind::TextBox: drawTextBox(p, c, active && screen.focus() == &c); break;
        case Kind::Image: drawImage(p, c); break;
        case Kind::Shape: drawShape(p, c); break;
        case Kind::Line: drawLine(p, c); break;
      }
    }
  }
  drawDragOutline(p, program, screen);
  p.restore();
}

QImage render(const shell::Program& program, const shell::Screen& screen, qreal devicePixelRatio) {
  const QSize size = clientSize(screen);
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::black);
  QPainter p(&image);
  paint(p, program, screen);
  return image;
}

}  // namespace paint

// Draws the children's portraits (record::kPortraits) and the guest's
// picture for draw-pictures: 96x96, transparent, one bold shape each in a
// colour of its own with a dark outline, so that a child tells them apart
// at a glance even at 40 pixels.
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "record/portraits.h"

namespace {

const QColor kInk(28, 24, 32);
constexpr double kLine = 3;

void ink(QPainter& p, const QColor& fill, double width = kLine) {
  p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
}

void dot(QPainter& p, double x, double y, double r, const QColor& c = kInk) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(QPointF(x, y), r, r);
}

// Two round eyes with a glint, looking at the child.
void eyes(QPainter& p, double x1, double x2, double y, double r = 5) {
  ink(p, Qt::white, 2);
  p.drawEllipse(QPointF(x1, y), r, r);
  p.drawEllipse(QPointF(x2, y), r, r);
  dot(p, x1 + 1, y + 1, r * 0.55);
  dot(p, x2 + 1, y + 1, r * 0.55);
}

void smile(QPainter& p, double x, double y, double w) {
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(x - w / 2, y - w / 3, w, w * 2 / 3), 200 * 16, 140 * 16);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (QPointF q : points) {
    if (first) path.moveTo(q);
    else path.lineTo(q);
    first = false;
  }
  path.closeSubpath();
  return path;
}

void gatto(QPainter& p) {
  const QColor orange(250, 140, 30);
  ink(p, orange);
  p.drawPath(polygon({{16, 44}, {20, 8}, {42, 26}}));
  p.drawPath(polygon({{80, 44}, {76, 8}, {54, 26}}));
  p.drawEllipse(QRectF(10, 22, 76, 66));
  eyes(p, 35, 61, 48, 6);
  dot(p, 48, 62, 4, QColor(240, 90, 120));
  p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
  for (int s : {-1, 1}) {
    p.drawLine(QPointF(48 + s * 12, 64), QPointF(48 + s * 36, 58));
    p.drawLine(QPointF(48 + s * 12, 68), QPointF(48 + s * 36, 72));
  }
  smile(p, 48, 70, 14);
}

void cane(QPainter& p) {
  const QColor brown(150, 90, 45), dark(90, 50, 25);
  ink(p, brown);
  p.drawEllipse(QRectF(16, 14, 64, 70));
  ink(p, dark);
  p.drawEllipse(QRectF(4, 14, 22, 50));
  p.drawEllipse(QRectF(70, 14, 22, 50));
  ink(p, QColor(235, 205, 160));
  p.drawEllipse(QRectF(30, 52, 36, 28));
  eyes(p, 36, 60, 40, 6);
  dot(p, 48, 58, 6);
  smile(p, 48, 70, 14);
}

void pesce(QPainter& p) {
  const QColor blue(30, 110, 230);
  ink(p, blue);
  p.drawPath(polygon({{66, 48}, {92, 24}, {92, 72}}));
  p.drawEllipse(QRectF(4, 22, 72, 52));
  ink(p, QColor(120, 180, 255), 2);
  p.drawPath(polygon({{34, 24}, {50, 10}, {56, 26}}));
  eyes(p, 24, 24, 42, 6);
  smile(p, 16, 56, 10);
}

void uccello(QPainter& p) {
  const QColor yellow(255, 215, 0);
  ink(p, yellow);
  p.drawPath(polygon({{70, 60}, {94, 50}, {90, 76}}));  // the tail
  p.drawEllipse(QRectF(22, 38, 56, 46));                // the body
  p.drawEllipse(QRectF(12, 14, 40, 40));                // the head
  ink(p, QColor(255, 140, 0));
  p.drawPath(polygon({{14, 30}, {2, 38}, {16, 40}}));   // the beak
  ink(p, QColor(230, 180, 0));
  p.drawEllipse(QRectF(40, 50, 30, 20));                // the wing
  eyes(p, 30, 30, 30, 5);
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(44, 84), QPointF(42, 92));
  p.drawLine(QPointF(56, 84), QPointF(58, 92));
}

void farfalla(QPainter& p) {
  const QColor pink(235, 60, 170), spot(255, 230, 80);
  ink(p, pink);
  p.drawEllipse(QRectF(4, 8, 42, 46));
  p.drawEllipse(QRectF(50, 8, 42, 46));
  p.drawEllipse(QRectF(12, 48, 34, 36));
  p.drawEllipse(QRectF(50, 48, 34, 36));
  ink(p, spot, 2);
  p.drawEllipse(QPointF(24, 30), 8, 8);
  p.drawEllipse(QPointF(72, 30), 8, 8);
  p.drawEllipse(QPointF(29, 66), 6, 6);
  p.drawEllipse(QPointF(67, 66), 6, 6);
  ink(p, QColor(60, 40, 60));
  p.drawRoundedRect(QRectF(43, 20, 10, 66), 5, 5);
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(46, 22), QPointF(36, 4));
  p.drawLine(QPointF(50, 22), QPointF(60, 4));
}

void coccinella(QPainter& p) {
  const QColor red(225, 25, 25);
  ink(p, kInk);
  p.drawEllipse(QRectF(30, 4, 36, 30));  // the head
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  for (double y : {40.0, 56.0, 72.0}) {
    p.drawLine(QPointF(20, y), QPointF(6, y + 4));
    p.drawLine(QPointF(76, y), QPointF(90, y + 4));
  }
  ink(p, red);
  p.drawEllipse(QRectF(12, 20, 72, 72));
  p.setPen(QPen(kInk, 3));
  p.drawLine(QPointF(48, 21), QPointF(48, 91));
  for (auto [x, y] : {std::pair{30.0, 44.0}, {66.0, 44.0}, {26.0, 66.0}, {70.0, 66.0}, {38.0, 82.0}, {58.0, 82.0}})
    dot(p, x, y, 6.5);
  dot(p, 40, 12, 3, Qt::white);
  dot(p, 56, 12, 3, Qt::white);
}

void chiocciola(QPainter& p) {
  ink(p, QColor(170, 200, 90));
  QPainterPath body;
  body.moveTo(6, 84);
  body.lineTo(86, 84);
  body.cubicTo(92, 84, 92, 64, 82, 60);
  body.lineTo(74, 74);
  body.lineTo(10, 74);
  body.cubicTo(4, 76, 4, 82, 6, 84);
  p.drawPath(body);
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(82, 60), QPointF(78, 40));
  p.drawLine(QPointF(86, 62), QPointF(92, 44));
  dot(p, 78, 40, 4);
  dot(p, 92, 44, 4);
  ink(p, QColor(200, 110, 40));
  p.drawEllipse(QRectF(12, 14, 64, 64));
  QPainterPath spiral;
  spiral.moveTo(44, 46);
  for (int i = 0; i <= 100; ++i) {
    const double a = i * 0.17, r = 1 + i * 0.27;
    spiral.lineTo(44 + r * std::cos(a), 46 + r * std::sin(a));
  }
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(spiral);
}

void rana(QPainter& p) {
  const QColor green(40, 170, 60);
  ink(p, green);
  p.drawEllipse(QRectF(14, 10, 30, 30));
  p.drawEllipse(QRectF(52, 10, 30, 30));
  p.drawEllipse(QRectF(6, 26, 84, 62));
  eyes(p, 29, 67, 24, 9);
  ink(p, QColor(240, 90, 100), 2.5);
  QPainterPath mouth;
  mouth.moveTo(22, 56);
  mouth.cubicTo(34, 78, 62, 78, 74, 56);
  mouth.cubicTo(60, 64, 36, 64, 22, 56);
  p.drawPath(mouth);
  dot(p, 42, 44, 2);
  dot(p, 54, 44, 2);
}

// A round fruit with a stalk and a leaf, for the apple and the pear.
void stalkAndLeaf(QPainter& p, double x, double top) {
  p.setPen(QPen(QColor(100, 60, 20), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(x, top + 12), QPointF(x + 4, top - 4));
  ink(p, QColor(60, 170, 40));
  QPainterPath leaf;
  leaf.moveTo(x + 4, top + 2);
  leaf.cubicTo(x + 14, top - 12, x + 28, top - 8, x + 30, top - 4);
  leaf.cubicTo(x + 24, top + 8, x + 12, top + 8, x + 4, top + 2);
  p.drawPath(leaf);
}

void mela(QPainter& p) {
  stalkAndLeaf(p, 46, 14);
  ink(p, QColor(220, 30, 40));
  QPainterPath apple;
  apple.moveTo(48, 28);
  apple.cubicTo(30, 14, 4, 24, 8, 52);
  apple.cubicTo(12, 80, 32, 96, 48, 86);
  apple.cubicTo(64, 96, 84, 80, 88, 52);
  apple.cubicTo(92, 24, 66, 14, 48, 28);
  p.drawPath(apple);
  dot(p, 26, 44, 6, QColor(255, 150, 150));
}

void pera(QPainter& p) {
  stalkAndLeaf(p, 46, 12);
  ink(p, QColor(150, 210, 50));
  QPainterPath pear;
  pear.moveTo(48, 22);
  pear.cubicTo(34, 22, 34, 44, 28, 52);
  pear.cubicTo(10, 70, 22, 94, 48, 92);
  pear.cubicTo(74, 94, 86, 70, 68, 52);
  pear.cubicTo(62, 44, 62, 22, 48, 22);
  p.drawPath(pear);
  dot(p, 34, 68, 5, QColor(210, 240, 150));
}

void ciliegie(QPainter& p) {
  p.setPen(QPen(QColor(60, 130, 30), 4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath stems;
  stems.moveTo(26, 62);
  stems.cubicTo(30, 36, 44, 16, 60, 8);
  stems.moveTo(70, 66);
  stems.cubicTo(70, 40, 64, 22, 60, 8);
  p.drawPath(stems);
  ink(p, QColor(60, 170, 40));
  p.drawPath(polygon({{60, 8}, {80, 2}, {90, 12}, {70, 16}}));
  ink(p, QColor(170, 0, 40));
  p.drawEllipse(QPointF(26, 72), 20, 20);
  p.drawEllipse(QPointF(70, 74), 20, 20);
  dot(p, 19, 66, 4.5, QColor(255, 140, 160));
  dot(p, 63, 68, 4.5, QColor(255, 140, 160));
}

void banana(QPainter& p) {
  ink(p, QColor(255, 220, 40));
  QPainterPath b;
  b.moveTo(14, 16);
  b.cubicTo(4, 60, 40, 96, 86, 72);
  b.cubicTo(90, 70, 88, 62, 82, 64);
  b.cubicTo(48, 76, 26, 52, 26, 18);
  b.closeSubpath();
  p.drawPath(b);
  ink(p, QColor(110, 80, 30));
  p.drawRoundedRect(QRectF(12, 6, 14, 14), 3, 3);
  dot(p, 85, 68, 4);
}

void fragola(QPainter& p) {
  ink(p, QColor(235, 30, 60));
  QPainterPath berry;
  berry.moveTo(48, 92);
  berry.cubicTo(20, 80, 6, 52, 12, 34);
  berry.cubicTo(18, 20, 78, 20, 84, 34);
  berry.cubicTo(90, 52, 76, 80, 48, 92);
  p.drawPath(berry);
  for (auto [x, y] : {std::pair{28.0, 44.0}, {48.0, 42.0}, {68.0, 44.0}, {36.0, 58.0}, {60.0, 58.0},
                      {26.0, 62.0}, {70.0, 62.0}, {48.0, 72.0}, {38.0, 80.0}, {58.0, 80.0}})
    dot(p, x, y, 2.8, QColor(255, 235, 120));
  ink(p, QColor(50, 160, 40));
  p.drawPath(polygon({{48, 34}, {20, 26}, {36, 20}, {30, 8}, {48, 18}, {66, 8}, {60, 20}, {76, 26}}));
}

void limone(QPainter& p) {
  ink(p, QColor(250, 240, 80));
  QPainterPath lemon;
  lemon.moveTo(6, 54);
  lemon.cubicTo(12, 44, 14, 26, 48, 24);
  lemon.cubicTo(82, 26, 84, 44, 90, 54);
  lemon.cubicTo(84, 64, 82, 84, 48, 86);
  lemon.cubicTo(14, 84, 12, 64, 6, 54);
  p.drawPath(lemon);
  ink(p, QColor(60, 170, 40));
  QPainterPath leaf;
  leaf.moveTo(46, 26);
  leaf.cubicTo(46, 10, 62, 4, 74, 6);
  leaf.cubicTo(72, 20, 60, 26, 46, 26);
  p.drawPath(leaf);
  dot(p, 30, 46, 5, Qt::white);
}

void sole(QPainter& p) {
  ink(p, QColor(255, 150, 0), 2.5);
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(48, 48);
    p.rotate(i * 30);
    p.drawPath(polygon({{-7, -28}, {0, -46}, {7, -28}}));
    p.restore();
  }
  ink(p, QColor(255, 210, 0));
  p.drawEllipse(QPointF(48, 48), 30, 30);
  eyes(p, 38, 58, 42, 4.5);
  smile(p, 48, 58, 24);
}

void luna(QPainter& p) {
  ink(p, QColor(25, 35, 110));
  p.drawEllipse(QRectF(3, 3, 90, 90));
  QPainterPath moon;
  moon.addEllipse(QRectF(14, 12, 66, 72));
  QPainterPath bite;
  bite.addEllipse(QRectF(36, 4, 66, 70));
  ink(p, QColor(255, 245, 190));
  p.drawPath(moon.subtracted(bite));
  dot(p, 74, 74, 3.5, QColor(255, 245, 190));
  dot(p, 82, 60, 2.5, QColor(255, 245, 190));
  dot(p, 64, 84, 2.5, QColor(255, 245, 190));
}

void stella(QPainter& p) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 20 : 46;
    const QPointF q(48 + r * std::cos(a), 52 + r * std::sin(a));
    if (i == 0) star.moveTo(q);
    else star.lineTo(q);
  }
  star.closeSubpath();
  ink(p, QColor(255, 200, 20));
  p.drawPath(star);
  eyes(p, 40, 56, 50, 3.5);
}

void fiore(QPainter& p) {
  p.setPen(QPen(QColor(40, 140, 40), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(48, 50), QPointF(48, 94));
  ink(p, Qt::white);
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(48, 40);
    p.rotate(i * 45);
    p.drawEllipse(QRectF(-9, -38, 18, 30));
    p.restore();
  }
  ink(p, QColor(255, 190, 0));
  p.drawEllipse(QPointF(48, 40), 13, 13);
}

void albero(QPainter& p) {
  ink(p, QColor(130, 75, 30));
  p.drawPath(polygon({{38, 94}, {42, 56}, {54, 56}, {58, 94}}));
  ink(p, QColor(30, 140, 50));
  QPainterPath crown;
  for (QRectF part : {QRectF(6, 26, 40, 40), QRectF(50, 26, 40, 40), QRectF(20, 4, 56, 46), QRectF(22, 40, 52, 30)}) {
    QPainterPath round;
    round.addEllipse(part);
    crown = crown.united(round);
  }
  p.drawPath(crown);
  dot(p, 30, 34, 4, QColor(230, 40, 40));
  dot(p, 64, 22, 4, QColor(230, 40, 40));
  dot(p, 70, 50, 4, QColor(230, 40, 40));
}

void casa(QPainter& p) {
  ink(p, QColor(255, 235, 190));
  p.drawRect(QRectF(16, 44, 64, 48));
  ink(p, QColor(210, 40, 30));
  p.drawPath(polygon({{4, 48}, {48, 6}, {92, 48}}));
  ink(p, QColor(30, 100, 220));
  p.drawRect(QRectF(40, 62, 18, 30));
  ink(p, QColor(140, 210, 255), 2.5);
  p.drawRect(QRectF(22, 54, 12, 12));
  p.drawRect(QRectF(64, 54, 12, 12));
}

void palla(QPainter& p) {
  const QRectF ball(6, 6, 84, 84);
  const QColor segments[] = {QColor(230, 30, 30), QColor(255, 215, 0), QColor(30, 110, 230), Qt::white,
                             QColor(230, 30, 30), QColor(255, 215, 0)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(segments[i]);
    p.drawPie(ball, i * 60 * 16, 60 * 16);
  }
  p.setPen(QPen(kInk, 2));
  for (int i = 0; i < 3; ++i) {
    const double a = i * M_PI / 3;
    p.drawLine(QPointF(48 + 42 * std::cos(a), 48 - 42 * std::sin(a)),
               QPointF(48 - 42 * std::cos(a), 48 + 42 * std::sin(a)));
  }
  ink(p, Qt::white, 2);
  p.drawEllipse(QPointF(48, 48), 8, 8);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, kLine));
  p.drawEllipse(ball);
}

void ombrello(QPainter& p) {
  p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath handle;
  handle.moveTo(48, 40);
  handle.lineTo(48, 80);
  handle.cubicTo(48, 94, 30, 94, 30, 82);
  p.drawPath(handle);
  QPainterPath canopy;
  canopy.moveTo(4, 52);
  canopy.cubicTo(4, 0, 92, 0, 92, 52);
  for (int i = 3; i >= 0; --i) {
    const double x = 4 + i * 22;
    canopy.quadTo(x + 11, 42, x, 52);
  }
  ink(p, QColor(140, 50, 200));
  p.drawPath(canopy);
  p.setPen(QPen(kInk, 2));
  for (double x : {26.0, 48.0, 70.0}) p.drawLine(QPointF(48, 14), QPointF(x, 52));
  dot(p, 48, 12, 4);
}

void barca(QPainter& p) {
  p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(46, 8), QPointF(46, 68));
  ink(p, Qt::white);
  p.drawPath(polygon({{50, 10}, {50, 62}, {86, 62}}));
  p.drawPath(polygon({{42, 18}, {42, 62}, {14, 62}}));
  ink(p, QColor(230, 40, 40), 2);
  p.drawPath(polygon({{46, 4}, {62, 9}, {46, 14}}));
  ink(p, QColor(170, 95, 40));
  p.drawPath(polygon({{4, 68}, {92, 68}, {76, 90}, {20, 90}}));
  p.setPen(QPen(QColor(110, 60, 25), 2));
  p.drawLine(QPointF(12, 78), QPointF(84, 78));
}

void chiave(QPainter& p) {
  ink(p, QColor(165, 170, 185));
  QPainterPath key;
  key.addEllipse(QRectF(4, 24, 44, 44));
  for (QRectF part : {QRectF(40, 40, 52, 12), QRectF(70, 50, 8, 18), QRectF(82, 50, 8, 14)}) {
    QPainterPath bar;
    bar.addRect(part);
    key = key.united(bar);
  }
  QPainterPath hole;
  hole.addEllipse(QRectF(16, 36, 20, 20));
  p.drawPath(key.subtracted(hole));
  dot(p, 16, 32, 3, Qt::white);
}

void cuore(QPainter& p) {
  ink(p, QColor(230, 20, 60));
  QPainterPath heart;
  heart.moveTo(48, 90);
  heart.cubicTo(14, 64, 2, 46, 6, 28);
  heart.cubicTo(10, 8, 40, 4, 48, 26);
  heart.cubicTo(56, 4, 86, 8, 90, 28);
  heart.cubicTo(94, 46, 82, 64, 48, 90);
  p.drawPath(heart);
  dot(p, 24, 30, 6, QColor(255, 150, 170));
}

void treno(QPainter& p) {
  ink(p, QColor(30, 90, 210));
  p.drawRect(QRectF(40, 14, 46, 54));          // the cab
  p.drawRect(QRectF(6, 38, 40, 30));           // the boiler
  ink(p, kInk);
  p.drawRect(QRectF(12, 20, 12, 18));          // the chimney
  ink(p, QColor(255, 220, 60), 2.5);
  p.drawRect(QRectF(50, 24, 26, 18));          // the window
  ink(p, QColor(230, 40, 40));
  p.drawRect(QRectF(2, 66, 90, 8));
  ink(p, QColor(60, 60, 60));
  for (double x : {20.0, 48.0, 74.0}) p.drawEllipse(QPointF(x, 80), 11, 11);
  for (double x : {20.0, 48.0, 74.0}) dot(p, x, 80, 3.5, QColor(200, 200, 200));
}

// The guest: a round face with a question mark, neither animal nor thing.
void ospite(QPainter& p) {
  ink(p, QColor(235, 235, 235));
  p.drawEllipse(QRectF(6, 6, 84, 84));
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(66);
  p.setFont(font);
  p.setPen(QColor(60, 60, 160));
  p.drawText(QRectF(6, 6, 84, 84), Qt::AlignCenter, "?");
}

const std::map<std::string, void (*)(QPainter&)> kDrawings = {
    {"portrait_gatto", gatto},       {"portrait_cane", cane},         {"portrait_pesce", pesce},
    {"portrait_uccello", uccello},   {"portrait_farfalla", farfalla}, {"portrait_coccinella", coccinella},
    {"portrait_chiocciola", chiocciola}, {"portrait_rana", rana},     {"portrait_mela", mela},
    {"portrait_pera", pera},         {"portrait_ciliegie", ciliegie}, {"portrait_banana", banana},
    {"portrait_fragola", fragola},   {"portrait_limone", limone},     {"portrait_sole", sole},
    {"portrait_luna", luna},         {"portrait_stella", stella},     {"portrait_fiore", fiore},
    {"portrait_albero", albero},     {"portrait_casa", casa},         {"portrait_palla", palla},
    {"portrait_ombrello", ombrello}, {"portrait_barca", barca},       {"portrait_chiave", chiave},
    {"portrait_cuore", cuore},       {"portrait_treno", treno},       {"portrait_ospite", ospite},
};

QImage drawn(void (*draw)(QPainter&)) {
  QImage image(96, 96, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  draw(p);
  return image;
}

}  // namespace

// Writes every portrait and the guest's picture into dir; a portrait of
// kPortraits without a drawing is said and skipped.
void savePortraits(const QString& dir) {
  auto save = [&](const std::string& file) {
    const auto it = kDrawings.find(file);
    if (it == kDrawings.end()) {
      std::fprintf(stderr, "no drawing for %s\n", file.c_str());
      return;
    }
    const QString path = dir + "/" + QString::fromStdString(file) + ".png";
    if (!drawn(it->second).save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  };
  for (const record::Portrait& portrait : record::kPortraits) save(portrait.file);
  save("portrait_ospite");
}

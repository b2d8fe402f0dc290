// Draws the program's pictures and its warning sound into assets/: the
// chalkboard background, the three faces, the two beads, the back arrow, the
// three mouse pointers, the application icon, the children's portraits
// (draw_portraits.cpp) and beep.wav. Run by hand
// (target draw-pictures) whenever a picture changes; the files it writes are
// committed and carried inside the program as resources.
//
//   draw-pictures [OUTPUT_DIR]     (default: the assets directory)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

void savePortraits(const QString& dir);  // draw_portraits.cpp

namespace {

const QColor kOrange(255, 128, 64);
const QColor kTeal(0, 128, 128);
const QColor kLavender(192, 192, 255);
const QColor kBrown(128, 64, 0);
const QColor kBoxBlue(0, 128, 255);
const QColor kOlive(128, 128, 64);
const QColor kYellow(255, 255, 0);
const QColor kCuffBlue(40, 80, 220);

QString outDir;

void save(const QImage& image, const char* name) {
  const QString path = outDir + "/" + name;
  if (!image.save(path, "PNG")) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QImage transparent(int size = 32) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

// Fills the inclusive pixel rectangle x0..x1, y0..y1.
void fill(QPainter& p, int x0, int y0, int x1, int y1, const QColor& c) {
  p.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), c);
}

QImage chalkboard() {
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(kOrange);
  QPainter p(&image);
  // Wood grain on the frame: a few slightly darker streaks.
  for (int y = 3; y < 600; y += 7) fill(p, 0, y, 799, y, QColor(240, 118, 56));
  // The board, edged by a black line and a lavender line.
  fill(p, 12, 10, 780, 568, kLavender);
  fill(p, 13, 11, 779, 567, Qt::black);
  fill(p, 14, 12, 778, 566, kTeal);
  // Faint chalk smudges on the board.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 140, 140), 10, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRect(520, 60, 200, 120), 20 * 16, 120 * 16);
  p.drawArc(QRect(90, 380, 180, 90), 200 * 16, 100 * 16);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The chalk ledge below the board.
  fill(p, 6, 570, 786, 581, kBrown);
  fill(p, 6, 570, 786, 570, QColor(160, 90, 30));
  fill(p, 6, 581, 786, 581, QColor(90, 45, 0));
  // White chalk sticks standing in the blue box.
  for (int x = 36, i = 0; x + 6 <= 98; x += 8, ++i) {
    const int top = 516 + (i % 3) * 3;
    fill(p, x, top, x + 5, 543, Qt::white);
    fill(p, x + 5, top + 1, x + 5, 543, QColor(215, 215, 215));
  }
  fill(p, 39, 546, 98, 566, kBoxBlue);
  fill(p, 39, 544, 98, 545, QColor(0, 90, 200));
  fill(p, 44, 551, 93, 551, QColor(120, 190, 255));
  // The round sponge beside it.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kOlive);
  p.drawEllipse(QRectF(119, 519, 44, 46));
  p.setBrush(QColor(100, 100, 45));
  for (auto [x, y] : {std::pair{131, 532}, {148, 537}, {138, 550}, {127, 547}, {151, 552}})
    p.drawEllipse(QRectF(x, y, 5, 4));
  return image;
}

// The yellow face with its eyes; the mouth is drawn by each variant.
QImage face(void (*mouth)(QPainter&)) {
  QImage image = transparent();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.6));
  p.setBrush(kYellow);
  p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(9, 9, 4, 6));
  p.drawEllipse(QRectF(19, 9, 4, 6));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(10, 10, 1.5, 1.5));
  p.drawEllipse(QRectF(20, 10, 1.5, 1.5));
  mouth(p);
  return image;
}

void straightMouth(QPainter& p) {
  p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.5, 22), QPointF(21.5, 22));
}

void smilingMouth(QPainter& p) {
  QPainterPath mouth;
  mouth.moveTo(8, 18);
  mouth.cubicTo(10, 28, 22, 28, 24, 18);
  mouth.closeSubpath();
  p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(220, 20, 20));
  p.drawPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 140, 140));
  p.drawEllipse(QRectF(13.5, 22.5, 5, 2.2));  // the tongue
}

void sadMouth(QPainter& p) {
  QPainterPath mouth;
  mouth.moveTo(9.5, 25);
  mouth.cubicTo(12, 18.5, 20, 18.5, 22.5, 25);
  p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 160, 255));
  p.drawEllipse(QRectF(21, 15, 2.5, 3.5));  // a tear
}

QImage bead(const QColor& colour, const QColor& shine) {
  QImage image = transparent();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(12, 11), 17);
  g.setColorAt(0, shine);
  g.setColorAt(0.5, colour);
  g.setColorAt(1, colour.darker(125));
  p.setPen(QPen(Qt::black, 1.6));
  p.setBrush(g);
  p.drawEllipse(QRectF(2, 2, 28, 28));
  return image;
}

QImage arrowBack() {
  QImage image = transparent();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(2, 16);
  arrow.lineTo(15, 3);
  arrow.lineTo(15, 10);
  arrow.lineTo(29, 10);
  arrow.lineTo(29, 22);
  arrow.lineTo(15, 22);
  arrow.lineTo(15, 29);
  arrow.closeSubpath();
  QLinearGradient g(0, 4, 0, 28);
  g.setColorAt(0, QColor(150, 40, 170));
  g.setColorAt(1, QColor(20, 20, 120));
  p.setPen(QPen(QColor(40, 0, 60), 1.2));
  p.setBrush(g);
  p.drawPath(arrow);
  p.setPen(QPen(QColor(230, 200, 255), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4.5, 15.5), QPointF(14.5, 5.5));
  p.drawLine(QPointF(16, 11.5), QPointF(28, 11.5));
  return image;
}

void handStyle(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
}

// A white hand with the index finger up; its tip is the hot spot (12, 1).
QImage pointerHand() {
  QImage image = transparent();
  QPainter p(&image);
  handStyle(p);
  p.drawRoundedRect(QRectF(21, 14, 4, 8), 2, 2);   // little finger
  p.drawRoundedRect(QRectF(17.5, 12.5, 4, 9), 2, 2);  // ring finger
  p.drawRoundedRect(QRectF(14, 12, 4, 9), 2, 2);   // middle finger
  QPainterPath palm;
  palm.moveTo(10, 3);
  palm.cubicTo(10, 0.8, 14, 0.8, 14, 3);
  palm.lineTo(14, 14);
  palm.lineTo(25, 17);
  palm.lineTo(25, 23);
  palm.cubicTo(24, 26, 22, 26.5, 21, 26.5);
  palm.lineTo(12, 26.5);
  palm.lineTo(6, 19);
  palm.cubicTo(5, 17.5, 7, 16, 8.5, 17);
  palm.lineTo(10, 18.5);
  palm.closeSubpath();
  p.drawPath(palm);
  p.setBrush(kCuffBlue);
  p.drawRect(QRectF(11.5, 26.5, 11, 4.5));
  return image;
}

// A white fist holding a chalk stick diagonally; the hot spot is the centre.
QImage pointerChalk() {
  QImage image = transparent();
  QPainter p(&image);
  handStyle(p);
  p.save();
  p.translate(16, 16);
  p.rotate(45);
  p.drawRect(QRectF(-15, -2.5, 20, 5));  // the chalk, tip at the top left
  p.restore();
  p.drawEllipse(QRectF(14, 14, 13, 12));  // the fist round the stick
  p.drawRoundedRect(QRectF(12, 17, 6, 4), 2, 2);  // the thumb over it
  p.setBrush(kCuffBlue);
  p.save();
  p.translate(26, 26);
  p.rotate(45);
  p.drawRect(QRectF(-2, -5, 6, 10));
  p.restore();
  return image;
}

// A white open hand; the hot spot (16, 14) is the middle of the palm.
QImage pointerGrab() {
  QImage image = transparent();
  QPainter p(&image);
  handStyle(p);
  p.drawRoundedRect(QRectF(8.5, 3, 4, 12), 2, 2);
  p.drawRoundedRect(QRectF(13, 1, 4, 13), 2, 2);
  p.drawRoundedRect(QRectF(17.5, 2, 4, 12), 2, 2);
  p.drawRoundedRect(QRectF(22, 5, 3.8, 11), 2, 2);
  p.save();
  p.translate(8, 17);
  p.rotate(-40);
  p.drawRoundedRect(QRectF(-2, -9, 4, 10), 2, 2);  // the thumb
  p.restore();
  p.drawRoundedRect(QRectF(8.5, 11, 17.3, 14), 5, 5);  // the palm
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(9.2, 10, 16, 3));  // joins the fingers to the palm
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(kCuffBlue);
  p.drawRect(QRectF(10.5, 25, 13, 5.5));
  return image;
}

// The application icon: a little chalkboard showing "1+2".
QImage icon(int size) {
  QImage image = transparent(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const qreal u = size / 64.0;
  p.setPen(QPen(QColor(120, 50, 10), 1.5 * u));
  p.setBrush(kOrange);
  p.drawRoundedRect(QRectF(2 * u, 6 * u, 60 * u, 48 * u), 4 * u, 4 * u);
  p.setPen(Qt::NoPen);
  p.setBrush(kTeal);
  p.drawRect(QRectF(7 * u, 11 * u, 50 * u, 38 * u));
  p.setBrush(kBrown);
  p.drawRect(QRectF(4 * u, 54 * u, 56 * u, 5 * u));
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(qRound(24 * u));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(7 * u, 11 * u, 50 * u, 38 * u), Qt::AlignCenter, "1+2");
  return image;
}

void put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, std::uint32_t v) {
  put16(out, std::uint16_t(v & 0xFFFF));
  put16(out, std::uint16_t(v >> 16));
}

// A soft two-tone chime, 120 ms, 16-bit mono at 44.1 kHz.
void writeBeep(const QString& path) {
  constexpr int kRate = 44100;
  constexpr double kSeconds = 0.12;
  const int count = int(kRate * kSeconds);
  std::vector<std::int16_t> samples(count);
  for (int i = 0; i < count; ++i) {
    const double t = double(i) / kRate;
    const bool second = t >= kSeconds / 2;
    const double frequency = second ? 659.25 : 987.77;  // E5 after B5
    const double local = second ? t - kSeconds / 2 : t;
    const double attack = std::min(1.0, local / 0.004);
    const double decay = std::exp(-local * 30);
    const double value = std::sin(2 * M_PI * frequency * t) * 0.8 +
                         std::sin(4 * M_PI * frequency * t) * 0.2;
    samples[i] = std::int16_t(value * attack * decay * 0.45 * 32767);
  }
  std::ofstream out(path.toStdString(), std::ios::binary);
  const std::uint32_t bytes = count * 2;
  out.write("RIFF", 4);
  put32(out, 36 + bytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, kRate);
  put32(out, kRate * 2);
  put16(out, 2);
  put16(out, 16);
  out.write("data", 4);
  put32(out, bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), bytes);
  if (!out) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  outDir = argc > 1 ? QString(argv[1]) : QString(ASSETS_DIR);
  save(chalkboard(), "chalkboard.png");
  save(face(straightMouth), "face_neutral.png");
  save(face(smilingMouth), "face_happy.png");
  save(face(sadMouth), "face_sad.png");
  save(bead(Qt::white, QColor(255, 255, 255)), "bead_white.png");
  save(bead(QColor(255, 0, 0), QColor(255, 150, 150)), "bead_red.png");
  save(arrowBack(), "arrow_back.png");
  save(pointerHand(), "pointer_hand.png");
  save(pointerChalk(), "pointer_chalk.png");
  save(pointerGrab(), "pointer_grab.png");
  save(icon(64), "icon_64.png");
  save(icon(256), "icon_256.png");
  save(icon(192), "icon_192.png");  // the sizes a tablet asks of a web app
  save(icon(512), "icon_512.png");
  savePortraits(outDir);
  writeBeep(outDir + "/beep.wav");
  return 0;
}

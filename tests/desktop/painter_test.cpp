// Catches the Qt painter misplacing captions, blurring pictures at twice the density
// or losing their transparency, filling an outlined box, and a board scaled for the
// whole screen losing its layout or stretching its text instead of laying it out.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "desktop/paint/paint.h"
#include "desktop/placement.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "shell/program.h"
#include "testing/fake_platform.h"

using namespace shell;

namespace {

// A screen of our own whose boxes the test draws.
class Board : public Screen {
 public:
  explicit Board(Program& p) : Screen(p, 40, Design{"board", 8595, kNoColour, {}}) {}
  void box(double l, double t, double w, double h, Colour c, bool solid) { drawBox(l, t, w, h, c, solid); }
};

bool white(const QColor& c) { return c.red() > 235 && c.green() > 235 && c.blue() > 235; }

// The pixels of `area` that `matches`.
int count(const QImage& image, QRect area, auto&& matches) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += matches(QColor(image.pixel(x, y)));
  return n;
}

struct PainterTest : ::testing::Test {
  FakePlatform platform;
  Program program{platform};
  draw::FaceMeasure measure;

  QSize board(int number) {
    const draw::Rect r = draw::clientRect(program.form(number));
    return QSize(int(r.w), int(r.h));
  }
  QImage render(int number, qreal ratio = 1) {
    return paint::render(draw::record(program, program.form(number), measure), board(number), ratio);
  }
  // The board painted into a window `factor` times its size, as the
  // whole-screen mode paints it.
  QImage scaled(int number, double factor) {
    const QSize window = (QSizeF(board(number)) * factor).toSize();
    QImage image(window, QImage::Format_RGB32);
    image.fill(Qt::magenta);  // whatever the painting leaves out shows
    QPainter p(&image);
    desktop::Placement::fit(board(number), window)
        .paint(p, window, draw::record(program, program.form(number), measure));
    return image;
  }
};

TEST_F(PainterTest, TitleScreenShowsTheBoardItsFrameAndTheTitleAtAnyDensity) {
  program.start();
  const QImage image = render(1);
  ASSERT_EQ(image.size(), QSize(792, 573));
  EXPECT_EQ(image.pixel(300, 572), qRgb(128, 64, 0));  // the ledge (the board and frame: window_test)
  // "ARITMETICA" is white chalk inside Label1, and nothing spills above it.
  EXPECT_GT(count(image, QRect(24, 200, 745, 73), white), 2000);
  EXPECT_EQ(count(image, QRect(200, 150, 400, 40), white), 0);
  const QImage sharp = render(1, 2);
  EXPECT_EQ(sharp.size(), QSize(1584, 1146));
  EXPECT_GT(count(sharp, QRect(48, 400, 1490, 146), white), 8000);
}

TEST_F(PainterTest, SolidBoxIsFilledAndOutlineBoxOnlyBorderedAndPicturesKeepTheirTransparency) {
  auto screen = std::make_unique<Board>(program);
  Board& b = *screen;
  program.install(std::move(screen));
  program.showOnly(40);
  b.box(1500, 1500, 1500, 1500, 0x0000FF, true);
  b.box(4500, 1500, 1500, 1500, 0x0000FF, false);
  const QImage image = render(40);
  EXPECT_EQ(image.pixel(150, 150), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(302, 150), qRgb(255, 0, 0));   // inside the 6-pixel border
  EXPECT_EQ(image.pixel(350, 150), qRgb(0, 128, 128));  // the board shows through
  for (Picture p : {Picture::FaceNeutral, Picture::FaceHappy, Picture::FaceSad, Picture::BeadWhite,
                    Picture::BeadRed, Picture::ArrowBack, Picture::PointerHand, Picture::PointerChalk,
                    Picture::PointerGrab}) {
    ASSERT_EQ(paint::picture(p).size(), QSize(32, 32)) << int(p);
    EXPECT_EQ(qAlpha(paint::picture(p).pixel(0, 0)), 0) << int(p);
  }
  EXPECT_EQ(qAlpha(paint::picture(Picture::Chalkboard).pixel(0, 0)), 255);
}

// Twice the size scaled down is the same picture (one moved by a pixel
// differs in about 1% of its pixels); and its text is laid out again at the
// larger size, its edges one pixel soft, where a stretched picture would
// have edges as wide as the factor.
TEST_F(PainterTest, TheBoardScaledKeepsItsLayoutAndItsTextIsDrawnAtTheLargerSize) {
  program.start();
  auto softShare = [](const QImage& image, QRect area) {  // between the chalk and the teal board
    return double(count(image, area, [](QColor c) { return !white(c) && c.red() > 20; })) / count(image, area, white);
  };
  const QRect title(24, 200, 745, 73), twiceTitle(48, 400, 1490, 146);  // "ARITMETICA"
  const double soft = softShare(scaled(1, 1), title);
  const QImage stretched = scaled(1, 1).scaled(QSize(1584, 1146), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_LT(softShare(scaled(1, 2), twiceTitle), soft * 0.7);
  EXPECT_GT(softShare(stretched, twiceTitle), soft * 0.85);
  program.showOnly(14);
  program.mouseDown(14, Button::Left, 600, 7900);  // the chalk: a question
  platform.queue(0.5);
  program.mouseUp(14, Button::Left, 600, 7900);
  auto far = [](QColor c, QColor d) {
    return std::abs(c.red() - d.red()) > 64 || std::abs(c.green() - d.green()) > 64 || std::abs(c.blue() - d.blue()) > 64;
  };
  for (int number : {1, 5, 2, 24, 14, 7, 26, 34}) {
    const QImage designed = scaled(number, 1);
    const QImage down = scaled(number, 2).scaled(designed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < designed.height(); ++y)
      for (int x = 0; x < designed.width(); ++x) differing += far(designed.pixel(x, y), down.pixel(x, y));
    EXPECT_LT(differing, 0.005 * designed.width() * designed.height()) << "Form" << number;
  }
}

}  // namespace

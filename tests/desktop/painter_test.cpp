// The painter, offscreen: the chalkboard where it belongs, captions drawn,
// stacking, greyed labels, the two kinds of drawn boxes, the caret.
#include <gtest/gtest.h>

#include <QImage>

#include "desktop/paint/paint.h"
#include "testing/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

// A screen of our own whose boxes the test draws.
class Board : public Screen {
 public:
  Board(Program& p, std::vector<Control> controls)
      : Screen(p, 40, Design{"board", 8595, kNoColour, std::move(controls)}) {}
  void box(double l, double t, double w, double h, Colour c, bool solid) { drawBox(l, t, w, h, c, solid); }
};

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

int countPixels(const QImage& image, QRect area, auto&& matches) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (matches(QColor(image.pixel(x, y)))) ++n;
  return n;
}

bool white(const QColor& c) { return c.red() > 235 && c.green() > 235 && c.blue() > 235; }

struct PainterTest : ::testing::Test {
  FakePlatform platform;
  Program program{platform};

  Board& board(std::vector<Control> controls) {
    auto b = std::make_unique<Board>(program, std::move(controls));
    Board& ref = *b;
    program.install(std::move(b));
    program.showOnly(40);
    return ref;
  }
  QImage render(int number, qreal ratio = 1) {
    return paint::render(program, program.form(number), ratio);
  }
};

TEST_F(PainterTest, TitleScreenShowsTheBoardItsFrameAndTheTitle) {
  program.start();
  const QImage image = render(1);
  ASSERT_EQ(image.size(), QSize(792, 573));
  EXPECT_EQ(image.pixel(700, 400), rgb(0, 128, 128));  // the board
  EXPECT_EQ(image.pixel(5, 300), rgb(255, 128, 64));   // the frame
  EXPECT_EQ(image.pixel(300, 575 - 3), rgb(128, 64, 0));  // the ledge
  // "ARITMETICA" is white chalk inside Label1, and nothing spills above it.
  const QRect title(24, 200, 745, 73);
  EXPECT_GT(countPixels(image, title, white), 2000);
  EXPECT_EQ(countPixels(image, QRect(200, 150, 400, 40), white), 0);
}

TEST_F(PainterTest, SameLayoutAtTwiceTheDensity) {
  program.start();
  const QImage sharp = render(1, 2);
  EXPECT_EQ(sharp.size(), QSize(1584, 1146));
  EXPECT_EQ(sharp.pixel(1400, 800), rgb(0, 128, 128));
  EXPECT_GT(countPixels(sharp, QRect(48, 400, 1490, 146), white), 8000);
}

TEST_F(PainterTest, EarlierControlsLieInFrontAndTextBoxesAboveEverything) {
  board({label("Label1", 1500, 1500, 1500, 1500).back(0x0000FF),    // red, in front
         label("Label2", 2250, 2250, 1500, 1500).back(0x00FF00),    // green, behind
         textBox("Text1", 3000, 3000, 1500, 1500).back(0xFF0000)});  // blue, above all
  const QImage image = render(40);
  EXPECT_EQ(image.pixel(170, 170), rgb(255, 0, 0));    // Label1 over Label2
  EXPECT_EQ(image.pixel(170, 230), rgb(0, 255, 0));    // Label2 alone
  EXPECT_EQ(image.pixel(240, 240), rgb(0, 0, 255));    // Text1 over Label2, though later
}

TEST_F(PainterTest, DisabledCaptionIsGreyNotWhite) {
  Board& b = board({label("Label1", 1500, 1500, 6000, 1500).withCaption("OTTO").withFont(36)});
  const QRect area(100, 100, 400, 100);
  EXPECT_GT(countPixels(render(40), area, white), 200);
  b("Label1").enabled = false;
  const QImage greyed = render(40);
  EXPECT_GT(countPixels(greyed, area, [](const QColor& c) { return c == QColor(128, 128, 128); }), 200);
}

TEST_F(PainterTest, CaptionThatMissesItsLineByAHairIsNotCutOff) {
  // "TORNA A MENU20" in 9.75 pt bold comes out a pixel wider than its label.
  Board& b = board({label("Label1", 1500, 1500, 1695, 255).withCaption("TORNA A MENU20").centred()});
  const QRect area(90, 95, 140, 25);
  const int tight = countPixels(render(40), area, white);
  b("Label1").move(1500 - 600, 1500);
  b("Label1").width = 1695 + 1200;
  EXPECT_GE(tight, countPixels(render(40), area, white) * 95 / 100);
}

TEST_F(PainterTest, SolidBoxIsFilledAndOutlineBoxOnlyBordered) {
  Board& b = board({});
  b.box(1500, 1500, 1500, 1500, 0x0000FF, true);
  b.box(4500, 1500, 1500, 1500, 0x0000FF, false);
  const QImage image = render(40);
  EXPECT_EQ(image.pixel(150, 150), rgb(255, 0, 0));
  EXPECT_EQ(image.pixel(302, 150), rgb(255, 0, 0));   // inside the 6-pixel border
  EXPECT_EQ(image.pixel(350, 150), rgb(0, 128, 128));  // the board shows through
}

TEST_F(PainterTest, CaretOnlyInTheFocusedBox) {
  board({textBox("Text1", 1500, 1500, 3000, 1500).back(0xFFFFFF).withFont(36),
         textBox("Text2", 6000, 1500, 3000, 1500).back(0xFFFFFF).withFont(36).tab(1)});
  auto black = [](const QColor& c) { return c.red() < 40 && c.green() < 40 && c.blue() < 40; };
  const QImage image = render(40);  // Text1 has the focus; both are empty
  EXPECT_GT(countPixels(image, QRect(105, 105, 190, 90), black), 20);
  EXPECT_EQ(countPixels(image, QRect(405, 105, 190, 90), black), 0);
}

TEST(Pictures, EveryPictureIsCarriedWithItsSizeAndTransparency) {
  for (Picture p : {Picture::FaceNeutral, Picture::FaceHappy, Picture::FaceSad, Picture::BeadWhite,
                    Picture::BeadRed, Picture::ArrowBack, Picture::PointerHand, Picture::PointerChalk,
                    Picture::PointerGrab}) {
    const QImage& image = paint::picture(p);
    ASSERT_EQ(image.size(), QSize(32, 32)) << int(p);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << int(p);
  }
  EXPECT_EQ(paint::picture(Picture::Chalkboard).size(), QSize(800, 600));
  EXPECT_FALSE(paint::picture(Picture::Chalkboard).hasAlphaChannel() &&
               qAlpha(paint::picture(Picture::Chalkboard).pixel(0, 0)) < 255);
  EXPECT_EQ(paint::hotSpot(Pointer::Hand), QPoint(12, 1));
  EXPECT_EQ(paint::hotSpot(Pointer::Grab), QPoint(16, 14));
}

TEST(Fonts, SizedInPixelsFromPointsAt96Dpi) {
  const QFont big = paint::font({"Arial", 48, true});
  EXPECT_EQ(big.pixelSize(), 64);
  EXPECT_TRUE(big.bold());
  EXPECT_EQ(paint::font({"MS Sans Serif", 9.75, false}).pixelSize(), 13);
  EXPECT_EQ(paint::font({"Times New Roman", 18, true}).family(), "Liberation Serif");
}

}  // namespace

// The whole-screen mode without a display: where the scaled board stands and
// how window positions come back as twips; the screens painted at a larger
// factor keep their layout and have their text laid out afresh, not
// stretched; and the command line.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "desktop/options.h"
#include "desktop/paint/paint.h"
#include "desktop/placement.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "testing/fake_platform.h"
#include "shell/program.h"

using desktop::Placement;

namespace {

const QSizeF kTitle(792, 573);

TEST(Placement, TheDesignedWindowIsTheBoardItself) {
  const Placement p = Placement::fit(kTitle, kTitle);
  EXPECT_EQ(p.factor(), 1);
  EXPECT_EQ(p.offset(), QPointF(0, 0));
  EXPECT_EQ(p.twipsOnBoard(QPointF(396.5, 236)), QPointF(5947.5, 3540));
  EXPECT_FALSE(p.twipsOnBoard(QPointF(792, 10)));
  EXPECT_FALSE(p.twipsOnBoard(QPointF(10, -1)));
}

TEST(Placement, TheLargestFactorThatFitsCentredAndMappedBack) {
  // A wide monitor: the height decides, the margins are left and right.
  const Placement wide = Placement::fit(kTitle, QSizeF(1920, 1080));
  EXPECT_DOUBLE_EQ(wide.factor(), 1080.0 / 573);
  EXPECT_EQ(wide.offset(), QPointF(213, 0));
  EXPECT_NEAR(1920 - wide.boardInWindow().right(), 213, 2);
  // A control's rectangle, shown in the window, comes back as its own twips.
  const QRectF label(24, 200, 745, 73);
  const QRectF shown = wide.toWindow(label);
  const auto corner = wide.twipsOnBoard(shown.topLeft());
  ASSERT_TRUE(corner);
  EXPECT_NEAR(corner->x(), 24 * 15, 1e-9);
  EXPECT_NEAR(corner->y(), 200 * 15, 1e-9);
  // The margins reach no screen, but a drag that goes there is still followed.
  EXPECT_FALSE(wide.twipsOnBoard(QPointF(100, 540)));
  EXPECT_FALSE(wide.twipsOnBoard(QPointF(1900, 540)));
  EXPECT_LT(wide.twips(QPointF(100, 540)).x(), 0);
  // A monitor on its side: the width decides, the margins are above and below.
  const Placement tall = Placement::fit(kTitle, QSizeF(1080, 1920));
  EXPECT_DOUBLE_EQ(tall.factor(), 1080.0 / 792);
  EXPECT_EQ(tall.offset().x(), 0);
  EXPECT_EQ(tall.offset().y(), std::floor((1920 - 573 * 1080.0 / 792) / 2));
}

struct ScaledPainting : ::testing::Test {
  shell::FakePlatform platform;
  shell::Program program{platform};

  QImage paintAt(int number, QSize window) {
    const shell::Screen& s = program.form(number);
    QImage image(window, QImage::Format_RGB32);
    image.fill(Qt::magenta);  // whatever the painting leaves out shows
    QPainter p(&image);
    draw::FaceMeasure measure;
    Placement::fit(paint::clientSize(s), window).paint(p, window, draw::record(program, s, measure));
    return image;
  }
  QImage paintAtFactor(int number, double factor) {
    const QSize size = paint::clientSize(program.form(number));
    return paintAt(number, (QSizeF(size) * factor).toSize());
  }
};

// The share of pixels that differ by more than a quarter in any channel (the
// same picture moved by one pixel differs in about 1%).
double differing(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor c(a.pixel(x, y)), d(b.pixel(x, y));
      if (std::abs(c.red() - d.red()) > 64 || std::abs(c.green() - d.green()) > 64 ||
          std::abs(c.blue() - d.blue()) > 64)
        ++n;
    }
  return double(n) / (a.width() * a.height());
}

TEST_F(ScaledPainting, TheTitleFillsAWideMonitorBetweenDarkMargins) {
  program.start();
  const QImage image = paintAt(1, QSize(1920, 1080));
  const double f = 1080.0 / 573;
  auto at = [&](int x, int y) { return image.pixel(213 + int(x * f + 0.5), int(y * f + 0.5)); };
  EXPECT_EQ(at(700, 400), qRgb(0, 128, 128));    // the board
  EXPECT_EQ(at(5, 300), qRgb(255, 128, 64));     // the frame
  EXPECT_EQ(at(300, 572), qRgb(128, 64, 0));     // the ledge
  for (QPoint margin : {QPoint(0, 0), QPoint(200, 540), QPoint(1719, 1079), QPoint(1919, 0)})
    EXPECT_EQ(image.pixel(margin), desktop::kMarginColour.rgb()) << margin.x() << "," << margin.y();
}

TEST_F(ScaledPainting, TwiceTheSizeScaledDownIsTheSamePicture) {
  program.start();
  program.showOnly(14);
  program.mouseDown(14, shell::Button::Left, 600, 7900);  // the chalk: a question
  platform.queue(0.5);
  program.mouseUp(14, shell::Button::Left, 600, 7900);
  for (int number : {1, 5, 2, 24, 14, 7, 26, 34}) {
    const QImage designed = paintAtFactor(number, 1);
    const QImage twice = paintAtFactor(number, 2);
    ASSERT_EQ(twice.size(), designed.size() * 2) << number;
    const QImage down = twice.scaled(designed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(differing(designed, down), 0.005) << "Form" << number;
  }
}

// Text laid out again at the larger size keeps edges one pixel soft; a
// stretched picture of it would have edges as wide as the factor.
TEST_F(ScaledPainting, TextIsDrawnAtTheLargerSizeNotStretched) {
  program.start();
  auto softShare = [](const QImage& image, QRect area) {
    int chalk = 0, soft = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c(image.pixel(x, y));
        if (c.red() > 235 && c.green() > 235 && c.blue() > 235)
          ++chalk;
        else if (c.red() > 20)  // between the white chalk and the teal board
          ++soft;
      }
    return double(soft) / chalk;
  };
  const QRect title(24, 200, 745, 73);  // "ARITMETICA"
  const double designed = softShare(paintAtFactor(1, 1), title);
  const double twice = softShare(paintAtFactor(1, 2), QRect(title.topLeft() * 2, title.size() * 2));
  const QImage stretched = paintAtFactor(1, 1).scaled(QSize(1584, 1146), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation);
  EXPECT_LT(twice, designed * 0.7);
  EXPECT_GT(softShare(stretched, QRect(title.topLeft() * 2, title.size() * 2)), designed * 0.85);
}

TEST(Options, TheModeHelpAndMistakes) {
  using desktop::Options;
  using desktop::parseOptions;
  EXPECT_EQ(parseOptions({}).action, Options::Action::Run);
  EXPECT_FALSE(parseOptions({}).wholeScreen);
  EXPECT_TRUE(parseOptions({"--fullscreen"}).wholeScreen);
  EXPECT_EQ(parseOptions({"--help"}).action, Options::Action::Help);
  EXPECT_EQ(parseOptions({"--fullscreen", "-h"}).action, Options::Action::Help);
  for (std::vector<std::string> wrong : {std::vector<std::string>{"--full"}, {"-f"}, {"fullscreen"},
                                         {"--fullscreen", "--bogus"}, {"--fullscreen=yes"}}) {
    const Options o = parseOptions(wrong);
    EXPECT_EQ(o.action, Options::Action::Usage) << wrong.back();
    EXPECT_EQ(o.mistake, wrong.back());
  }
  // Qt's own options pass, with their values.
  const Options qt = parseOptions({"-platform", "offscreen", "--fullscreen", "-style=fusion", "-reverse"});
  EXPECT_EQ(qt.action, Options::Action::Run);
  EXPECT_TRUE(qt.wholeScreen);
}

}  // namespace

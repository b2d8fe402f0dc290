// It catches a software backend that paints the chalkboard, the frame, the
// ledge, the white title, the faces or an answer box's fill and border out
// of place, and a caption of any screen that runs over the frame.
#include <gtest/gtest.h>

#include "draw/face_measure.h"
#include "draw/record.h"
#include "raster.h"
#include "testing/fake_platform.h"
#include "shell/program.h"

namespace {

struct RasterTest : ::testing::Test {
  shell::FakePlatform platform;
  shell::Program program{platform};
  raster::Fonts fonts;
  draw::FaceMeasure measure;

  raster::Canvas paint() {
    const shell::Screen& s = *program.active();
    const draw::Rect client = draw::clientRect(s);
    raster::Canvas canvas(int(client.w), int(client.h), fonts);
    canvas.replay(draw::record(program, s, measure));
    return canvas;
  }
  static int count(const raster::Canvas& c, int x0, int y0, int x1, int y1, std::uint32_t rgb) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += c.pixel(x, y) == rgb;
    return n;
  }
};

TEST_F(RasterTest, TitleScreenBoardFrameAndTitleText) {
  program.start();
  const raster::Canvas c = paint();
  EXPECT_EQ(c.pixel(700, 400), 0x008080u);  // the board
  EXPECT_EQ(c.pixel(5, 300), 0xFF8040u);    // the frame
  EXPECT_EQ(c.pixel(300, 572), 0x804000u);  // the ledge
  EXPECT_GT(count(c, 24, 200, 769, 273, 0xFFFFFF), 2000);  // "ARITMETICA" in white
  EXPECT_EQ(count(c, 200, 150, 600, 190, 0xFFFFFF), 0);    // nothing above it
}

TEST_F(RasterTest, ExerciseWithFaceNumberAndAnswerBox) {
  program.showOnly(14);
  platform.queue(0.5);
  program.mouseDown(14, shell::Button::Left, 900, 8100);
  program.mouseUp(14, shell::Button::Left, 900, 8100);
  const shell::Control& box = (*program.active())("Text1");
  const draw::Rect r = draw::pixels(box);
  const raster::Canvas c = paint();
  // The answer box is filled with the rod colour of the answer, edged by
  // its sunken border.
  const std::uint32_t fill = draw::colour(box.backColor);
  EXPECT_GT(count(c, int(r.x) + 4, int(r.y) + 4, int(r.right()) - 4, int(r.bottom()) - 4, fill), int(r.w * r.h / 2));
  EXPECT_EQ(c.pixel(int(r.x), int(r.y) + 5), 0x808080u);
  // The neutral face: yellow inside Image1.
  const draw::Rect face = draw::pixels((*program.active())("Image1"));
  EXPECT_GT(count(c, int(face.x), int(face.y), int(face.right()), int(face.bottom()), 0xFFFF00), 500);
}

// No caption of any screen runs over the frame on the right: what a label
// cannot fit wraps inside the board.
TEST(Board, NoCaptionRunsOverTheFrame) {
  constexpr double kBoardRight = 779;  // the first pixel of the frame's edge
  draw::FaceMeasure measure;
  shell::FakePlatform platform;
  shell::Program program{platform};
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    program.showOnly(n);
    std::vector<draw::Rect> clips{{0, 0, 1e9, 1e9}};
    for (const draw::Command& c : draw::record(program, program.form(n), measure)) {
      if (auto* k = std::get_if<draw::Clip>(&c)) clips.push_back(k->rect);
      if (std::holds_alternative<draw::Unclip>(c)) clips.pop_back();
      if (auto* t = std::get_if<draw::Text>(&c)) {
        const double right = std::min(t->x + measure.advance(t->font, t->text), clips.back().right());
        EXPECT_LE(right, kBoardRight) << "Form" << n << ": \"" << t->text << "\"";
      }
    }
  }
}

}  // namespace

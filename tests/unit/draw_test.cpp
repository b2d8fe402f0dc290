// Catches captions wrapped at the wrong blanks or when they miss by a hair,
// lines off their centre or baseline, a greyed label not embossed, a caret off
// the focused box, commands out of order, and a caption over the frame.
#include <gtest/gtest.h>

#include "draw/face_measure.h"
#include "draw/record.h"
#include "testing/fake_platform.h"
#include "shell/program.h"

using namespace shell;
using draw::Drawing;

namespace {

// Every character is 10 pixels wide; a line is 20 tall with 2 of leading.
struct Monospace : draw::Measure {
  double advance(const draw::FontSpec&, std::string_view s) const override { return 10.0 * s.size(); }
  draw::LineMetrics metrics(const draw::FontSpec&) const override { return {16, 4, 2}; }
};

std::vector<std::string> lines(std::string_view caption, double width) {
  std::vector<std::string> out;
  for (const auto& l : draw::wrap(caption, width, {}, Monospace{})) out.push_back(l.text);
  return out;
}

TEST(Wrap, BreaksAtBlanksAndKeepsTheOtherBlanks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(lines("Trova il numero", 200), V{"Trova il numero"});
  EXPECT_EQ(lines("Trova il numero", 100), (V{"Trova il", "numero"}));
  EXPECT_EQ(lines("Confronto con   <   =  >", 1000), V{"Confronto con   <   =  >"});
  EXPECT_EQ(lines("ab   cd", 50), (V{"ab", "cd"}));            // the blanks go with the break
  EXPECT_EQ(lines("elementare  ", 200), V{"elementare  "});      // centred with its blanks
  EXPECT_EQ(lines("settantasette x", 50), (V{"settantasette", "x"}));  // a long word stands alone
  EXPECT_EQ(lines("uno\ndue tre", 1000), (V{"uno", "due tre"}));
  EXPECT_EQ(lines("", 100), V{""});
  EXPECT_EQ(draw::wrap("uno due", 1000, {}, Monospace{})[0].width, 70);
}

template <class T>
std::vector<T> all(const Drawing& d) {
  std::vector<T> out;
  for (const auto& c : d)
    if (auto* t = std::get_if<T>(&c)) out.push_back(*t);
  return out;
}

class Board : public Screen {
 public:
  Board(Program& p, std::vector<Control> controls)
      : Screen(p, 40, Design{"board", 8595, kNoColour, std::move(controls)}) {}
};

struct RecordTest : ::testing::Test {
  FakePlatform platform;
  Program program{platform};
  Screen& board(std::vector<Control> controls) {
    program.install(std::make_unique<Board>(program, std::move(controls)));
    program.showOnly(40);
    return program.form(40);
  }
  Drawing record() { return draw::record(program, program.form(40), Monospace{}); }
};

TEST_F(RecordTest, BackgroundFirstThenControlsBackToFrontTextBoxesLast) {
  board({label("Label1", 150, 150, 1500, 300).back(0x0000FF), textBox("Text1", 0, 0, 1500, 300),
         label("Label2", 300, 300, 1500, 300).back(0x00FF00)});
  const auto fills = all<draw::Fill>(record());
  ASSERT_GE(fills.size(), 4u);
  EXPECT_EQ(fills[0].colour, 0xF0F0F0);  // no back colour: the button face
  EXPECT_EQ(fills[1].colour, 0x00FF00);  // Label2, behind
  EXPECT_EQ(fills[2].colour, 0xFF0000);  // Label1 in front of it (0x00BBGGRR becomes RGB)
  EXPECT_EQ(fills[3].colour, 0xFFE0C0);  // the text box over both, though between them
  EXPECT_EQ(std::get<draw::Image>(record()[1]).picture, Picture::Chalkboard);
}

TEST_F(RecordTest, CaptionThatMissesByAHairStaysOnOneLineOthersWrap) {
  Screen& s = board({label("Label1", 0, 0, 15 * 99, 600).withCaption("TORNA A MENU")});  // 120 px in 99
  EXPECT_EQ(all<draw::Text>(record()).size(), 2u);
  s("Label1").width = 15 * 119;  // one pixel short
  const auto texts = all<draw::Text>(record());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "TORNA A MENU");
  EXPECT_EQ(all<draw::Clip>(record())[0].rect.w, 121);  // widened by the pixel on each side
}

TEST_F(RecordTest, CentredLinesAndTheirBaselines) {
  board({label("Label1", 0, 0, 15 * 100, 900).withCaption("ab cdef").centred()});
  const auto texts = all<draw::Text>(record());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].x, 15);
  EXPECT_EQ(texts[0].baseline, 16);
  Screen& s = program.form(40);
  s("Label1").width = 15 * 50;
  const auto two = all<draw::Text>(record());
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[1].x, 5);
  EXPECT_EQ(two[1].baseline, 16 + 22);
}

TEST_F(RecordTest, DisabledCaptionIsEmbossedInWhiteUnderGrey) {
  Screen& s = board({label("Label1", 0, 0, 1500, 600).withCaption("OTTO")});
  s("Label1").enabled = false;
  const auto texts = all<draw::Text>(record());
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].colour, 0xFFFFFF);
  EXPECT_EQ(texts[0].x, texts[1].x + 1);
  EXPECT_EQ(texts[1].colour, 0x808080);
}

TEST_F(RecordTest, CaretInvertsTheBoxColourOnlyInTheFocusedBoxOfTheActiveScreen) {
  board({textBox("Text1", 0, 0, 1500, 600).back(0xFF0000),
         textBox("Text2", 3000, 0, 1500, 600).back(0xFF0000).tab(1)});
  auto carets = [&] {
    int n = 0;
    for (const auto& f : all<draw::Fill>(record())) n += f.colour == 0xFFFF00;  // inverse of blue
    return n;
  };
  EXPECT_EQ(carets(), 1);
  program.install(std::make_unique<Screen>(program, 41, Design{}));
  program.show(41);  // another screen in front: no caret on the board
  EXPECT_EQ(carets(), 0);
}

// No caption of any screen runs over the frame on the right: what a label
// cannot fit wraps inside the board.
TEST(Captions, NoneRunsOverTheFrame) {
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

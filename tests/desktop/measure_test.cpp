// Catches the faces' tables (draw::FaceMeasure) measuring text otherwise
// than Qt measures the same faces, which would wrap or centre a desktop
// caption elsewhere than Qt draws it: every caption of every screen, the texts the
// screens put into their labels at run time, and every character and
// kerning pair at every size the screens use.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <set>
#include <tuple>

#include "desktop/paint/paint.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "frame/words.h"
#include "testing/fake_platform.h"
#include "shell/program.h"
#include "shell/units.h"

namespace {

// How the desktop measured text before the tables: Qt's own metrics.
class QtMeasure : public draw::Measure {
 public:
  double advance(const draw::FontSpec& f, std::string_view utf8) const override {
    return QFontMetricsF(paint::font(f)).horizontalAdvance(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
  }
  draw::LineMetrics metrics(const draw::FontSpec& f) const override {
    const QFontMetricsF m(paint::font(f));
    return {m.ascent(), m.descent(), m.leading()};
  }
};

struct Lines {
  std::vector<draw::Line> lines;
  bool operator==(const Lines& o) const {
    if (lines.size() != o.lines.size()) return false;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].text != o.lines[i].text || lines[i].width != o.lines[i].width) return false;
    return true;
  }
};
std::ostream& operator<<(std::ostream& out, const Lines& l) {
  for (const draw::Line& line : l.lines) out << "[" << line.text << " " << line.width << "]";
  return out;
}

// The texts the screens set at run time: numbers, their words, the faces'
// verdicts and the return labels of both menus.
std::vector<std::string> runtimeTexts() {
  std::vector<std::string> texts;
  for (int n = 0; n <= 99; ++n) texts.push_back(shell::text(n));
  for (int n = 0; n <= 20; ++n) texts.emplace_back(frame::wordOf(n));
  for (const char* t : {"TORNA A MENU10", "TORNA A MENU20", "VAI A MENU PRINCIPALE", "TORNA A MENU PRINCIPALE",
                        "<", "=", ">", "10 = 1 da"})
    texts.emplace_back(t);
  return texts;
}

struct MeasureTest : ::testing::Test {
  QtMeasure qt;
  draw::FaceMeasure table;
  shell::FakePlatform platform;
  shell::Program program{platform};
};

TEST_F(MeasureTest, EveryCaptionOfEveryScreenWrapsAndCentresAsQtMeasuredIt) {
  const std::vector<std::string> runtime = runtimeTexts();
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    program.showOnly(n);
    const shell::Screen& screen = program.form(n);
    for (const shell::Control& c : screen.controls()) {
      if (c.kind != shell::Kind::Label && c.kind != shell::Kind::TextBox) continue;
      const draw::FontSpec f = draw::font(c.font);
      const double width = draw::pixels(c).w;
      std::vector<std::string> texts = runtime;
      texts.push_back(c.kind == shell::Kind::Label ? c.caption : c.text);
      for (const std::string& t : texts)
        EXPECT_EQ(Lines{draw::wrap(t, width, f, table)}, Lines{draw::wrap(t, width, f, qt)})
            << "Form" << n << "." << c.name << ": \"" << t << "\"";
    }
    // The whole drawing: every text starts at the same place on the same
    // baseline (centring, right alignment, the hair's tolerance, the caret).
    const draw::Drawing byTable = draw::record(program, screen, table), byQt = draw::record(program, screen, qt);
    ASSERT_EQ(byTable.size(), byQt.size()) << "Form" << n;
    for (size_t i = 0; i < byTable.size(); ++i) {
      const auto* a = std::get_if<draw::Text>(&byTable[i]);
      const auto* b = std::get_if<draw::Text>(&byQt[i]);
      ASSERT_EQ(a == nullptr, b == nullptr) << "Form" << n << " command " << i;
      if (a) {
        EXPECT_EQ(std::tie(a->text, a->x, a->baseline), std::tie(b->text, b->x, b->baseline)) << "Form" << n;
      }
    }
  }
}

TEST_F(MeasureTest, EveryCharacterAndKerningPairAtEverySizeTheScreensUse) {
  std::set<std::tuple<bool, int, bool>> sizes;  // serif, pixel size, bold
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    program.showOnly(n);
    for (const shell::Control& c : program.form(n).controls()) {
      const draw::FontSpec f = draw::font(c.font);
      sizes.insert({f.family == draw::Family::Serif, f.pixelSize, f.bold});
    }
  }
  sizes.insert({true, 24, true});  // the serif faces, which no screen uses today
  sizes.insert({true, 24, false});
  for (const auto& [serif, pixelSize, bold] : sizes) {
    const draw::FontSpec f{serif ? draw::Family::Serif : draw::Family::Sans, pixelSize, bold};
    const draw::LineMetrics a = table.metrics(f), b = qt.metrics(f);
    EXPECT_EQ(std::tie(a.ascent, a.descent, a.leading), std::tie(b.ascent, b.descent, b.leading)) << pixelSize;
    std::vector<std::string> texts;
    for (unsigned cp = 0x20; cp <= 0xFF; ++cp)
      if (cp < 0x7F || cp >= 0xA0) texts.push_back(QString(QChar(char16_t(cp))).toStdString());
    const draw::FaceTable& face = draw::faceTable(f);
    for (size_t k = 0; k < face.kernCount; ++k)
      texts.push_back((QString(QChar(char16_t(face.kerns[k].first))) + QChar(char16_t(face.kerns[k].second))).toStdString());
    for (const std::string& t : texts)
      EXPECT_EQ(table.advance(f, t), qt.advance(f, t)) << "\"" << t << "\" at " << pixelSize << " px";
  }
}

// Qt finds the faces by file, the very ones the tables were read from.
TEST(Faces, TheLiberationFilesAreLoaded) {
  ASSERT_TRUE(paint::loadFaces());
  EXPECT_EQ(QFontInfo(paint::font(draw::font({"Arial", 9.75, true}))).family(), "Liberation Sans");
}

}  // namespace

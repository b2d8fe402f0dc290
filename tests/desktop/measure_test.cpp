// Catches the faces' tables measuring otherwise than Qt, which would wrap or centre
// any caption or run-time text elsewhere than Qt draws it, in every drawing.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <tuple>

#include "desktop/paint/paint.h"
#include "draw/face_measure.h"
#include "draw/record.h"
#include "frame/words.h"
#include "shell/program.h"
#include "shell/units.h"
#include "testing/fake_platform.h"

namespace {

// Qt's own metrics, of the faces the painter loads.
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

std::string lines(const std::vector<draw::Line>& wrapped) {
  std::string s;
  for (const draw::Line& line : wrapped) s += "[" + line.text + " " + std::to_string(line.width) + "]";
  return s;
}

TEST(Measure, EveryCaptionWrapsAndStandsAsQtMeasuresIt) {
  ASSERT_TRUE(paint::loadFaces());
  const QtMeasure qt;
  const draw::FaceMeasure table;
  shell::FakePlatform platform;
  shell::Program program{platform};
  std::vector<std::string> runtime = {"TORNA A MENU10", "TORNA A MENU20", "VAI A MENU PRINCIPALE", "<", "=", ">"};
  for (int n = 0; n <= 99; ++n) runtime.push_back(shell::text(n));
  for (int n = 0; n <= 20; ++n) runtime.emplace_back(frame::wordOf(n));
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    program.showOnly(n);
    const shell::Screen& screen = program.form(n);
    for (const shell::Control& c : screen.controls()) {
      if (c.kind != shell::Kind::Label && c.kind != shell::Kind::TextBox) continue;
      const draw::FontSpec f = draw::font(c.font);
      std::vector<std::string> texts = runtime;
      texts.push_back(c.kind == shell::Kind::Label ? c.caption : c.text);
      for (const std::string& t : texts)
        EXPECT_EQ(lines(draw::wrap(t, draw::pixels(c).w, f, table)), lines(draw::wrap(t, draw::pixels(c).w, f, qt)))
            << "Form" << n << "." << c.name;
    }
    // Every text of the drawing at the same place on the same baseline.
    const draw::Drawing byTable = draw::record(program, screen, table), byQt = draw::record(program, screen, qt);
    ASSERT_EQ(byTable.size(), byQt.size()) << "Form" << n;
    for (size_t i = 0; i < byTable.size(); ++i) {
      const auto* a = std::get_if<draw::Text>(&byTable[i]);
      const auto* b = std::get_if<draw::Text>(&byQt[i]);
      ASSERT_EQ(a == nullptr, b == nullptr) << "Form" << n << " command " << i;
      if (a) EXPECT_EQ(std::tie(a->text, a->x, a->baseline), std::tie(b->text, b->x, b->baseline)) << "Form" << n;
    }
  }
}

}  // namespace

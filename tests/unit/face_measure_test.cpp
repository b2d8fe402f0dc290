// Catches text measured without kerning, UTF-8 as Latin-1, missing characters or the
// soft hyphen mis-sized, widths off 64ths, metrics not hhea's, "TORNA A MENU20" wrapped.
#include <gtest/gtest.h>

#include <cmath>

#include "draw/face_measure.h"
#include "draw/record.h"
#include "testing/fake_platform.h"
#include "shell/program.h"

namespace {

const draw::FaceMeasure measure;
const draw::FontSpec kReturnLabel{draw::Family::Sans, 13, true};  // Arial 9.75 pt bold

TEST(FaceMeasure, KernedDecodedAndScaledInSixtyFourths) {
  const draw::FontSpec big{draw::Family::Sans, 64, true};
  // "AT" is kerned closer than its two letters apart.
  EXPECT_LT(measure.advance(big, "AT"), measure.advance(big, "A") + measure.advance(big, "T"));
  EXPECT_EQ(measure.advance(big, "ATA"), 2 * measure.advance(big, "AT") - measure.advance(big, "T"));
  // "È" in UTF-8 is one character, not two Latin-1 ones.
  EXPECT_EQ(measure.advance(big, "\xC3\x88"), measure.advance(big, "E"));
  // Outside Latin-1: the face's empty box; the soft hyphen shows as nothing.
  EXPECT_GT(measure.advance(big, "\xE2\x82\xAC"), 0);
  EXPECT_EQ(measure.advance(big, "\xC2\xAD"), 0);
  // Every width is a whole number of 64ths of a pixel.
  const double w = measure.advance(kReturnLabel, "TORNA A MENU PRINCIPALE");
  EXPECT_EQ(w * 64, std::floor(w * 64));
  const draw::LineMetrics m = measure.metrics(kReturnLabel);
  EXPECT_NEAR(m.ascent, 1854 * 13 / 2048.0, 1 / 128.0);  // the hhea table's
  EXPECT_NEAR(m.descent, 434 * 13 / 2048.0, 1 / 128.0);
}

// "Completa la decina con i regoli" (Form25, within 20): its return label
// shows "TORNA A MENU20" whole, on one line, in every edition.
TEST(FaceMeasure, ReturnLabelOfCompletingTheTenStaysOnOneLine) {
  shell::FakePlatform platform;
  shell::Program program{platform};
  program.showOnly(25);
  const shell::Control& label = program.form(25)("Label8");
  ASSERT_EQ(label.caption, "TORNA A MENU20");
  int whole = 0;
  for (const draw::Command& c : draw::record(program, program.form(25), measure))
    if (const auto* t = std::get_if<draw::Text>(&c)) {
      EXPECT_NE(t->text, "TORNA A");
      whole += t->text == "TORNA A MENU20";
    }
  EXPECT_EQ(whole, 1);
}

}  // namespace

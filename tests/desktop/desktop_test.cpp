// What the desktop hands the screens for Qt's keys, through the session's
// one table of keys.
#include <gtest/gtest.h>

#include "desktop/keys.h"

namespace {

std::optional<session::KeyCodes> codes(int qtKey, Qt::KeyboardModifiers m, const QString& text) {
  const auto k = desktop::key(qtKey, m, text);
  return k ? session::keyCodes(*k) : std::nullopt;
}

}  // namespace

TEST(Keys, DigitsOfTheMainKeyboardAndOfTheKeypadHaveTheirOwnCodes) {
  for (int d = 0; d <= 9; ++d) {
    const QString text(QChar('0' + d));
    auto main = codes(Qt::Key_0 + d, Qt::NoModifier, text);
    auto pad = codes(Qt::Key_0 + d, Qt::KeypadModifier, text);
    ASSERT_TRUE(main && pad);
    EXPECT_EQ(main->keyCode, 48 + d);
    EXPECT_EQ(pad->keyCode, 96 + d);
    EXPECT_EQ(main->character, '0' + d);
    EXPECT_EQ(pad->character, '0' + d);
  }
}

TEST(Keys, LettersSpecialKeysAndTheProgramsOwnKeys) {
  auto upper = codes(Qt::Key_A, Qt::ShiftModifier, "A");
  auto lower = codes(Qt::Key_Z, Qt::NoModifier, "z");
  EXPECT_EQ(upper->keyCode, 65);
  EXPECT_EQ(upper->character, 'A');
  EXPECT_EQ(lower->keyCode, 90);
  EXPECT_EQ(lower->character, 'z');
  EXPECT_EQ(codes(Qt::Key_Agrave, Qt::NoModifier, QString::fromUtf8("à"))->character, 0xE0);
  EXPECT_EQ(codes(Qt::Key_Percent, Qt::ShiftModifier, "%")->keyCode, 53);  // the 5 key
  EXPECT_EQ(codes(Qt::Key_Backspace, Qt::NoModifier, "\b")->character, 8);
  EXPECT_EQ(codes(Qt::Key_Enter, Qt::KeypadModifier, "\r")->keyCode, 13);
  auto del = codes(Qt::Key_Delete, Qt::NoModifier, "\x7f");
  EXPECT_EQ(del->character, 0);
  EXPECT_EQ(del->keyCode, 46);
  EXPECT_EQ(desktop::key(Qt::Key_F11, Qt::NoModifier, "")->name, session::KeyName::WholeScreen);
  EXPECT_EQ(desktop::key(Qt::Key_F2, Qt::NoModifier, "")->name, session::KeyName::Voice);
  EXPECT_FALSE(desktop::key(Qt::Key_F5, Qt::NoModifier, ""));
  EXPECT_EQ(desktop::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
}

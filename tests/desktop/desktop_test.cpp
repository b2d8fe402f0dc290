// What the desktop program hands the screens: key codes and random numbers.
#include <gtest/gtest.h>

#include "desktop/desktop_platform.h"
#include "desktop/keys.h"

using desktop::keyCodes;

TEST(Keys, DigitsOfTheMainKeyboardAndOfTheKeypadHaveTheirOwnCodes) {
  for (int d = 0; d <= 9; ++d) {
    const QString text(QChar('0' + d));
    auto main = keyCodes(Qt::Key_0 + d, Qt::NoModifier, text);
    auto pad = keyCodes(Qt::Key_0 + d, Qt::KeypadModifier, text);
    ASSERT_TRUE(main && pad);
    EXPECT_EQ(main->keyCode, 48 + d);
    EXPECT_EQ(pad->keyCode, 96 + d);
    EXPECT_EQ(main->character, '0' + d);
    EXPECT_EQ(pad->character, '0' + d);
  }
}

TEST(Keys, LettersSpecialKeysAndTab) {
  auto upper = keyCodes(Qt::Key_A, Qt::ShiftModifier, "A");
  auto lower = keyCodes(Qt::Key_Z, Qt::NoModifier, "z");
  EXPECT_EQ(upper->keyCode, 65);
  EXPECT_EQ(upper->character, 'A');
  EXPECT_EQ(upper->shift, 1);
  EXPECT_EQ(lower->keyCode, 90);
  EXPECT_EQ(lower->character, 'z');
  auto accented = keyCodes(Qt::Key_Agrave, Qt::NoModifier, QString::fromUtf8("à"));
  EXPECT_EQ(accented->character, 0xE0);
  // Control characters travel only as the codes of their keys.
  auto backspace = keyCodes(Qt::Key_Backspace, Qt::NoModifier, "\b");
  EXPECT_EQ(backspace->character, 8);
  EXPECT_EQ(keyCodes(Qt::Key_Enter, Qt::KeypadModifier, "\r")->keyCode, 13);
  EXPECT_EQ(keyCodes(Qt::Key_Escape, Qt::NoModifier, "\x1b")->character, 27);
  auto del = keyCodes(Qt::Key_Delete, Qt::NoModifier, "\x7f");
  EXPECT_EQ(del->character, 0);
  EXPECT_EQ(del->keyCode, 46);
  EXPECT_EQ(keyCodes(Qt::Key_Shift, Qt::ShiftModifier, "")->keyCode, 16);
  EXPECT_EQ(keyCodes(Qt::Key_Left, Qt::NoModifier, "")->keyCode, 37);
  EXPECT_FALSE(keyCodes(Qt::Key_Tab, Qt::NoModifier, "\t"));
  EXPECT_FALSE(keyCodes(Qt::Key_F5, Qt::NoModifier, ""));
}


// Catches a key table giving the screens a wrong KeyPress character or KeyUp code
// (Enter, arrows, Delete, keypad, Latin-1, "€", no key), or a key name misread.
#include <gtest/gtest.h>

#include "session/keys.h"

namespace {

using session::KeyName;

std::pair<int, int> codes(session::Key k) {
  const auto c = session::keyCodes(k);
  return c ? std::pair(c->character, c->keyCode) : std::pair(-1, -1);
}

TEST(Keys, EveryKindOfKeyGivesTheCodesTheScreensExpect) {
  using P = std::pair<int, int>;
  EXPECT_EQ(codes({KeyName::Enter}), P(13, 13));
  EXPECT_EQ(codes({KeyName::Left}), P(0, 37));
  EXPECT_EQ(codes({KeyName::Delete}), P(0, 46));
  EXPECT_EQ(codes({KeyName::Character, '1', true}), P('1', 97));
  EXPECT_EQ(codes({KeyName::Character, 'a'}), P('a', 65));
  EXPECT_EQ(codes({KeyName::Character, ' '}), P(' ', 32));
  EXPECT_EQ(codes({KeyName::Character, 0xE8}), P(0xE8, 186));  // è
  EXPECT_EQ(codes({KeyName::Character, 0x20AC}), P(0, 69));     // € on the E key, no Latin-1 code
  EXPECT_FALSE(session::keyCodes({KeyName::Character, 0x4E00}));  // no key, no Latin-1 code
  EXPECT_EQ(session::keyNamed("ArrowLeft"), KeyName::Left);
  EXPECT_EQ(session::keyNamed("F2"), KeyName::Voice);
}

}  // namespace

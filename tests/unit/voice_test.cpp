// It catches an exercise screen whose instruction is no label or is said by
// no clip, a number word with no clip, a clip key that is no plain file name
// or is used twice, and a build that left a phrase without its clip or a
// folder list other than the catalogue.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "frame/words.h"
#include "session/catalogue.h"
#include "session/speech.h"
#include "shell/program.h"
#include "testing/fake_platform.h"

namespace {

TEST(Voice, EveryInstructionAndNumberWordIsSaidUnderAPlainFileName) {
  shell::FakePlatform platform;
  shell::Program program(platform);
  int exercises = 0;
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    const shell::Design& d = program.form(n).design();
    if (d.instruction.empty()) continue;
    ++exercises;
    const auto label = std::find_if(d.controls.begin(), d.controls.end(),
                                    [&](const shell::Control& c) { return c.name == d.instruction; });
    ASSERT_NE(label, d.controls.end()) << "Form" << n << " names " << d.instruction;
    EXPECT_EQ(label->kind, shell::Kind::Label) << "Form" << n;
    EXPECT_TRUE(session::clipOf(session::fold(label->caption))) << "Form" << n << ": " << label->caption;
  }
  EXPECT_EQ(exercises, 39);  // all but the title and the three menus
  for (int n = 0; n <= 20; ++n) EXPECT_TRUE(session::clipOf(frame::wordOf(n))) << frame::wordOf(n);
  std::set<std::string_view> keys;
  for (const session::Phrase& p : session::catalogue()) {
    EXPECT_TRUE(keys.insert(p.key).second) << "key twice: " << p.key;
    EXPECT_TRUE(!p.key.empty() && p.key.size() <= 32 &&
                p.key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == std::string_view::npos)
        << p.key;
    EXPECT_EQ(p.text, session::fold(p.text)) << p.key;
  }
}

TEST(Voice, TheBuildMadeAClipForEveryPhraseAndListedTheCatalogue) {
  namespace fs = std::filesystem;
  const fs::path dir = VOICE_DIR;
  std::stringstream expected, listed;
  for (const session::Phrase& p : session::catalogue()) {
    const fs::path clip = dir / (std::string(p.key) + ".mp3");
    EXPECT_TRUE(fs::exists(clip) && fs::file_size(clip) > 0) << clip;
    expected << p.key << '\t' << p.text << '\n';
  }
  std::ifstream in(dir / "phrases.txt");
  listed << in.rdbuf();
  EXPECT_EQ(listed.str(), expected.str());
}

}  // namespace

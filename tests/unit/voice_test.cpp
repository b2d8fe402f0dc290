// Catches an instruction or number word with no clip, a clip key no plain file
// name or used twice or not built, and a control leading somewhere with no name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "frame/words.h"
#include "draw/face_measure.h"
#include "session/catalogue.h"
#include "session/session.h"
#include "session/speech.h"
#include "shell/program.h"
#include "testing/fake_platform.h"
#include "testing/probe.h"

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

// Whatever leads somewhere can be heard: every control whose click opens a
// screen or ends the program, on every screen, says its name at a rest.
TEST(Voice, EveryControlThatLeadsSomewhereHasItsName) {
  session::Still machine;
  const draw::FaceMeasure measure;
  int leading = 0;
  for (int n = 1; n <= shell::kScreenCount; ++n) {
    session::Session session(machine, measure);
    session::Probe probe(session);
    session.start(0);
    probe.showOnly(n, 0);
    probe.takeAll();
    const session::Window& shown = *session.frame().window(n);
    for (const shell::Control& c : probe.program().form(n).controls()) {
      if (!c.visible || c.kind != shell::Kind::Label && c.kind != shell::Kind::Image) continue;
      shell::FakePlatform platform;
      platform.fallBackTo(1);
      shell::Program program(platform);
      program.showOnly(n);
      const shell::Control* hit = program.form(n).hit(c.centreX(), c.centreY());
      if (!hit || hit->name != c.name) continue;  // another control is in front there
      program.mouseDown(n, shell::Button::Left, c.centreX(), c.centreY());
      program.mouseUp(n, shell::Button::Left, c.centreX(), c.centreY());
      if (!program.ended() && program.active()->number() == n) continue;  // it leads nowhere
      ++leading;
      const session::HoverArea* area = shown.hoverAt(c.centreX() / 15, c.centreY() / 15);
      EXPECT_TRUE(area && area->says) << "Form" << n << "." << c.name << " \"" << c.caption << "\"";
    }
  }
  EXPECT_GT(leading, 120) << leading;
}

}  // namespace

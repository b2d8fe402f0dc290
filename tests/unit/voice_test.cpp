// The spoken phrases: every exercise screen names its instruction label, the
// catalogue holds what that label says and every number word, and the
// build made a clip for every phrase of the catalogue.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "frame/words.h"
#include "testing/fake_platform.h"
#include "shell/program.h"

using namespace shell;

namespace {

// A caption as it is looked up: runs of blanks and line breaks become one
// blank, none at either end.
std::string folded(const std::string& caption) {
  std::string out;
  bool blank = false;
  for (char c : caption) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      blank = true;
      continue;
    }
    if (blank && !out.empty()) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

struct Phrase {
  std::string key, text;
};

// The catalogue's phrases in file order; a malformed line fails the test.
std::vector<Phrase> readCatalogue(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << path;
  std::vector<Phrase> phrases;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t');
    EXPECT_NE(tab, std::string::npos) << path << ":" << n << ": no tab";
    if (tab == std::string::npos) continue;
    phrases.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return phrases;
}

const std::vector<Phrase>& catalogue() {
  static const std::vector<Phrase> phrases = readCatalogue(VOICE_CATALOGUE);
  return phrases;
}

std::map<std::string, std::string> keysByText() {
  std::map<std::string, std::string> m;
  for (const Phrase& p : catalogue()) m[p.text] = p.key;
  return m;
}

constexpr int kMenus[] = {1, 2, 5, 24};

bool isMenu(int n) {
  for (int m : kMenus)
    if (m == n) return true;
  return false;
}

TEST(Voice, EveryExerciseScreenNamesAnInstructionTheCatalogueSays) {
  FakePlatform platform;
  Program program(platform);
  const auto texts = keysByText();
  int exercises = 0;
  for (int n = 1; n <= 43; ++n) {
    const Design& d = program.form(n).design();
    if (isMenu(n)) {
      EXPECT_EQ(d.instruction, "") << "Form" << n;
      continue;
    }
    ++exercises;
    const Control* label = nullptr;
    for (const Control& c : d.controls)
      if (c.name == d.instruction) label = &c;
    ASSERT_NE(label, nullptr) << "Form" << n << " names '" << d.instruction << "'";
    EXPECT_EQ(label->kind, Kind::Label) << "Form" << n << "." << d.instruction;
    EXPECT_NE(label->caption, "") << "Form" << n << "." << d.instruction;
    EXPECT_TRUE(texts.count(folded(label->caption)))
        << "Form" << n << "." << d.instruction << " \"" << folded(label->caption) << "\" is not in "
        << VOICE_CATALOGUE;
  }
  EXPECT_EQ(exercises, 39);
}

TEST(Voice, TheCatalogueHoldsEveryNumberWord) {
  const auto texts = keysByText();
  for (int n = 0; n <= 20; ++n)
    EXPECT_TRUE(texts.count(std::string(frame::wordOf(n)))) << frame::wordOf(n);
}

TEST(Voice, KeysAreUniqueFileNamesAndTextsAreFolded) {
  ASSERT_FALSE(catalogue().empty());
  std::set<std::string> keys, texts;
  for (const Phrase& p : catalogue()) {
    EXPECT_TRUE(keys.insert(p.key).second) << "key twice: " << p.key;
    EXPECT_TRUE(texts.insert(p.text).second) << "text twice: " << p.text;
    EXPECT_FALSE(p.key.empty());
    EXPECT_LE(p.key.size(), 32u) << p.key;
    for (char c : p.key)
      EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')
          << "key " << p.key << " is not a plain file name";
    EXPECT_EQ(p.text, folded(p.text)) << p.key;
  }
}

TEST(Voice, TheBuildMadeAClipForEveryPhrase) {
  namespace fs = std::filesystem;
  const fs::path dir = VOICE_DIR;
  for (const Phrase& p : catalogue()) {
    const fs::path clip = dir / (p.key + ".mp3");
    ASSERT_TRUE(fs::exists(clip)) << clip;
    EXPECT_GT(fs::file_size(clip), 0u) << clip;
  }
  // The folder's own list is the catalogue without its comments.
  std::ifstream in(dir / "phrases.txt");
  ASSERT_TRUE(in) << dir / "phrases.txt";
  std::stringstream listed, expected;
  listed << in.rdbuf();
  for (const Phrase& p : catalogue()) expected << p.key << '\t' << p.text << '\n';
  EXPECT_EQ(listed.str(), expected.str());
}

}  // namespace

// It catches a scenario parser that crashes on malformed files, or tells
// them without their line or without saying what is wrong (the inputs the
// fuzzer found included).
#include <gtest/gtest.h>

#include "scenario.h"

using scenarios::parse;

namespace {

int firstErrorLine(const std::string& text) {
  auto script = parse(text);
  return script.errors.empty() ? 0 : script.errors.front().line;
}

TEST(ScenarioParser, ReadsQuotedTextsWithEscapesAndComments) {
  auto script = parse("\xEF\xBB\xBF# a comment, after a byte order mark\ncase \"a \\\"b\\\" \\\\ c\"\ntype \"u n # o\"  # trailing\n\nexpect Form14.Label2.Caption \"\"\n");
  ASSERT_TRUE(script.errors.empty()) << script.errors.front().message;
  ASSERT_EQ(script.cases.size(), 1u);
  EXPECT_EQ(script.cases[0].name, "a \"b\" \\ c");
  ASSERT_EQ(script.cases[0].commands.size(), 2u);
  EXPECT_EQ(script.cases[0].commands[0].words[1].text, "u n # o");
  EXPECT_EQ(script.cases[0].commands[1].line, 5);
}

TEST(ScenarioParser, EveryMalformedLineIsToldWithItsLine) {
  EXPECT_EQ(firstErrorLine("show Form1\n"), 1);                          // before the first case
  EXPECT_EQ(firstErrorLine("case \"x\"\nfrobnicate\n"), 2);              // unknown command
  EXPECT_EQ(firstErrorLine("case \"x\"\nclick Form14.Label99\n"), 2);    // no such control
  EXPECT_EQ(firstErrorLine("case \"x\"\nclick Form46.Label1\n"), 2);     // no such screen
  EXPECT_EQ(firstErrorLine("case \"x\"\ntype \"abc\n"), 2);              // unterminated quote
  EXPECT_EQ(firstErrorLine("case \"x\"\nrandom 1.0\n"), 2);              // not in [0, 1)
  EXPECT_EQ(firstErrorLine("case \"x\"\nexpect Form1.Label1.Colour 3\n"), 2);
  EXPECT_EQ(firstErrorLine("case \"x\"\nexpect Form1.Label1.Visible maybe\n"), 2);
  EXPECT_EQ(firstErrorLine("case \"x\"\nkey PageUp\n"), 2);
  for (const char* i : {"0", "-1", "1.5", "1e300", "18446744073709551616"})  // not a box index
    EXPECT_EQ(firstErrorLine(std::string("case \"x\"\nexpect Form18.box ") + i + " 1 2 3 4 5 solid\n"), 2) << i;
  for (const char* name : {"../x", "/tmp/x", "a/b", ".."})  // a snapshot written only into --out
    EXPECT_EQ(firstErrorLine(std::string("case \"x\"\nsnapshot ") + name + "\n"), 2) << name;
  EXPECT_EQ(firstErrorLine("case \"x\"\n"), 1);                          // a case with no commands
  EXPECT_EQ(firstErrorLine(std::string("case \"x\"\n\0\x01\xff\n", 14)), 2);  // binary garbage
  for (const char* quoted : {"click \"Form14.Label9\"", "drag \"Form26.Image1\" Form26.Label1",
                             "expect focus \"Form14.Text1\""}) {
    const auto script = parse(std::string("case \"x\"\n") + quoted + "\n");
    ASSERT_FALSE(script.errors.empty()) << quoted;
    EXPECT_EQ(script.errors[0].line, 2) << quoted;
    EXPECT_NE(script.errors[0].message.find("without quotes"), std::string::npos) << script.errors[0].message;
  }
}

}  // namespace

// Inputs that the fuzzer of the scenario parser found wanting: each must be
// told with its line and a message that says what is wrong.
#include <gtest/gtest.h>

#include "scenario.h"

namespace {

TEST(ScenarioFuzzFindings, EveryComplaintSaysWhatIsWrong) {
  const char* inputs[] = {
      "case \"x\"\nclick \"Form14.Label9\"\n",  // a quoted control
      "case \"x\"\ndrag \"Form26.Image1\" Form26.Label1\n",
      "case \"x\"\nexpect focus \"Form14.Text1\"\n",
  };
  for (const char* text : inputs) {
    auto script = scenarios::parse(text);
    ASSERT_FALSE(script.errors.empty()) << text;
    EXPECT_EQ(script.errors[0].line, 2) << text;
    EXPECT_NE(script.errors[0].message.find("without quotes"), std::string::npos)
        << text << " -> " << script.errors[0].message;
  }
}

}  // namespace

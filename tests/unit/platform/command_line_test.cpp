#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace cd::os {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, QuotedProgramEndsAtTheNextQuote) {
  const auto parts = SplitProgram("  \"C:\\Program Files\\a.exe\"   -q x", nullptr);
  EXPECT_EQ(parts.program, "C:\\Program Files\\a.exe");
  EXPECT_EQ(parts.arguments, "-q x");
  EXPECT_EQ(SplitProgram("\"C:\\open", nullptr).program, "C:\\open");
}

TEST(CommandLine, UnquotedProgramTakesTheFirstExistingPrefix) {
  const auto exists = [](const std::string& name) { return name == "C:\\Program Files\\a.exe"; };
  auto parts = SplitProgram("C:\\Program Files\\a.exe -regserver", exists);
  EXPECT_EQ(parts.program, "C:\\Program Files\\a.exe");
  EXPECT_EQ(parts.arguments, "-regserver");
  parts = SplitProgram("C:\\Missing Dir\\b.exe /Q", exists);
  EXPECT_EQ(parts.program, "C:\\Missing");
  EXPECT_EQ(parts.arguments, "Dir\\b.exe /Q");
  EXPECT_EQ(SplitProgram("   ", exists).program, "");
  EXPECT_EQ(SplitProgram("one", exists).program, "one");
}

TEST(CommandLine, ArgumentsFollowTheRuntimeRules) {
  EXPECT_EQ(SplitArguments("a  b\tc"), (Args{"a", "b", "c"}));
  EXPECT_EQ(SplitArguments("\"a b\" c\"d e\"f"), (Args{"a b", "cd ef"}));
  EXPECT_EQ(SplitArguments("a\\\\\\\"b"), (Args{"a\\\"b"}));         // 3 backslashes, quote
  EXPECT_EQ(SplitArguments("\"a\\\\\" b"), (Args{"a\\", "b"}));      // 2 backslashes, quote
  EXPECT_EQ(SplitArguments("a\\\\b c\\"), (Args{"a\\\\b", "c\\"}));  // literal backslashes
  EXPECT_EQ(SplitArguments("\"\" \"x\"\"y\""), (Args{"", "x\"y"}));
  EXPECT_EQ(SplitArguments("\"unclosed arg"), (Args{"unclosed arg"}));
  EXPECT_TRUE(SplitArguments("   ").empty());
}

}  // namespace
}  // namespace cd::os

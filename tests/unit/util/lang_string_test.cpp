#include "util/lang_string.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "support/message_of.h"

namespace cd {
namespace {

using test::MessageOf;

const char* const kTotal = R"("CZ=Celkem","EN=Total")";

TEST(LowLangString, SelectsTheVariantOfTheLanguage) {
  EXPECT_EQ(LowLangString(kTotal, "EN"), "Total");
  EXPECT_EQ(LowLangString(kTotal, "CZ"), "Celkem");
  EXPECT_EQ(LowLangString(kTotal, ""), "Celkem");
  EXPECT_EQ(LowLangString(R"("CZ=","EN=x")", "CZ"), "");
}

TEST(LowLangString, ReturnsTheTextUnchangedWhenNothingMatches) {
  EXPECT_EQ(LowLangString(kTotal, "DE"), kTotal);
  EXPECT_EQ(LowLangString(kTotal, "en"), kTotal);
  EXPECT_EQ(LowLangString("Plain text = fine", "CZ"), "Plain text = fine");
  EXPECT_EQ(LowLangString("", "EN"), "");
}

TEST(LowLangString, UnterminatedVariantFailsWithTheWholeText) {
  EXPECT_EQ(MessageOf([] { LowLangString(R"("CZ=Celkem","EN=Tot)", "EN"); }),
            R"(LowUtils.LowLangString: ""CZ=Celkem","EN=Tot")");
}

TEST(LowLangString, DoesNotCheckWhatFollowsTheClosingQuote) {
  EXPECT_EQ(LowLangString(R"("CZ=Celkem" ,"EN=Total")", "CZ"), "Celkem");
}

TEST(LangStringLowEx, AllLanguagesOrPlainTextGiveTheTextUnchanged) {
  EXPECT_EQ(LangStringLowEx(kTotal, ""), kTotal);
  EXPECT_EQ(LangStringLowEx(kTotal, "*"), kTotal);
  EXPECT_EQ(LangStringLowEx(kTotal, "DE"), kTotal);
  EXPECT_EQ(LangStringLowEx(R"(x"CZ=a")", "CZ"), R"(x"CZ=a")");
  EXPECT_EQ(LangStringLowEx("", "CZ"), "");
}

TEST(LangStringLowEx, SelectsProperlyClosedVariants) {
  EXPECT_EQ(LangStringLowEx(kTotal, "CZ"), "Celkem");
  EXPECT_EQ(LangStringLowEx(kTotal, "EN"), "Total");
  EXPECT_EQ(LangStringLowEx(R"("CZ=")", "CZ"), "");
}

TEST(LangStringLowEx, FailsOnBadlyClosedVariants) {
  const std::string expected = R"(LowUtils.LangStringLowEx: ""CZ=Celkem" ,"EN=Total"")";
  EXPECT_EQ(MessageOf([] { LangStringLowEx(R"("CZ=Celkem" ,"EN=Total")", "CZ"); }), expected);
  EXPECT_THROW(LangStringLowEx(R"("CZ=Celkem)", "CZ"), Exception);
  EXPECT_THROW(LangStringLowEx(R"("CZ=Celkem",)", "CZ"), Exception);
  EXPECT_THROW(LangStringLowEx(R"("CZ=Celkem"x)", "CZ"), Exception);
}

TEST(DisplayLanguage, StartsEmptyAndKeepsWhatIsSet) {
  EXPECT_EQ(DisplayLanguage(), "");
  SetDisplayLanguage("EN");
  EXPECT_EQ(LangStringLowEx(kTotal, DisplayLanguage()), "Total");
  SetDisplayLanguage("");
}

}  // namespace
}  // namespace cd

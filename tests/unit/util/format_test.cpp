#include "util/format.h"

#include <gtest/gtest.h>

#include "util/exceptions.h"

namespace cd {
namespace {

TEST(Format, PlainDirectives) {
  EXPECT_EQ(Format("Class %s not found", {"TFoo"}), "Class TFoo not found");
  EXPECT_EQ(Format("%s on line %d", {"Invalid string constant", 12}),
            "Invalid string constant on line 12");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%d", {-2147483647 - 1}), "-2147483648");
}

TEST(Format, WidthPrecisionAndHex) {
  EXPECT_EQ(Format("_Editpla.a%2.2d", {5}), "_Editpla.a05");
  EXPECT_EQ(Format("%2.2x", {10}), "0A");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("[%5s]", {"ab"}), "[   ab]");
  EXPECT_EQ(Format("[%-5s]", {"ab"}), "[ab   ]");
  EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
  EXPECT_EQ(Format("%.3f", {1.5}), "1.500");
}

TEST(Format, ArgumentIndexRestartsNumbering) {
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
  EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
}

TEST(Format, MismatchIsAnError) {
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("trailing %", {}), EConvertError);
}

}  // namespace
}  // namespace cd

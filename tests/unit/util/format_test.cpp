#include "util/format.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"

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

TEST(Format, StarTakesWidthAndPrecisionFromTheArguments) {
  EXPECT_EQ(Format("%*d", {5, 42}), "   42");
  EXPECT_EQ(Format("%-*d|", {4, 7}), "7   |");
  EXPECT_EQ(Format("%.*f", {1, 2.26}), "2.3");
  EXPECT_EQ(Format("%1:*d", {0, 3, 9}), "  9");
}

TEST(Format, FloatsInDelphiForm) {
  EXPECT_EQ(Format("%e", {1.5}), "1.50000000000000E+000");
  EXPECT_EQ(Format("%.3e", {-1234.5}), "-1.23E+003");
  EXPECT_EQ(Format("%g", {1.5}), "1.5");
  EXPECT_EQ(Format("%g", {1e20}), "1E20");
  EXPECT_EQ(Format("%g", {1e-5}), "1E-5");
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("%f", {1e300}).size(), 304u);  // no truncation of long numbers
}

TEST(Format, MismatchIsAnError) {
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("trailing %", {}), EConvertError);
}

}  // namespace
}  // namespace cd

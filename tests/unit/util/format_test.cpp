#include "util/format.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

#include "base/exceptions.h"

namespace cd {
namespace {

// Each row: what Format gives and the text expected of it.
TEST(Format, DirectivesGiveTheTextsOfDelphisFormat) {
  const std::pair<std::string, std::string> rows[] = {
      // Plain directives.
      {Format("Class %s not found", {"TFoo"}), "Class TFoo not found"},
      {Format("%s on line %d", {"Invalid string constant", 12}),
       "Invalid string constant on line 12"},
      {Format("100%%", {}), "100%"},
      {Format("%d", {-2147483647 - 1}), "-2147483648"},
      // Width, precision and hexadecimal.
      {Format("_Editpla.a%2.2d", {5}), "_Editpla.a05"},
      {Format("%2.2x", {10}), "0A"},
      {Format("%x", {-1}), "FFFFFFFF"},
      {Format("[%5s]", {"ab"}), "[   ab]"},
      {Format("[%-5s]", {"ab"}), "[ab   ]"},
      {Format("%.2s", {"abcdef"}), "ab"},
      {Format("%.3f", {1.5}), "1.500"},
      // An argument index restarts the numbering.
      {Format("%1:s %0:s %s", {"a", "b"}), "b a b"},
      {Format("%0:s-%0:s", {"x"}), "x-x"},
      // A star takes the width or precision from the arguments.
      {Format("%*d", {5, 42}), "   42"},
      {Format("%-*d|", {4, 7}), "7   |"},
      {Format("%.*f", {1, 2.26}), "2.3"},
      {Format("%1:*d", {0, 3, 9}), "  9"},
      // Floating point in Delphi's form.
      {Format("%e", {1.5}), "1.50000000000000E+000"},
      {Format("%.3e", {-1234.5}), "-1.23E+003"},
      {Format("%g", {1.5}), "1.5"},
      {Format("%g", {1e20}), "1E20"},
      {Format("%g", {1e-5}), "1E-5"},
      {Format("%n", {1234567.891}), "1,234,567.89"},
  };
  for (size_t i = 0; i < std::size(rows); ++i)
    EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
  EXPECT_EQ(Format("%f", {1e300}).size(), 304u);  // no truncation of long numbers
}

TEST(Format, MismatchIsAnError) {
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("trailing %", {}), EConvertError);
}

}  // namespace
}  // namespace cd

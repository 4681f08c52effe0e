// The sums file: what sha256sum writes reads back, lines that are no sums are refused naming
// the line, look-ups ignore letter case and separators, and the messages of a check.
#include "util/medium_sums.h"

#include <gtest/gtest.h>

#include "support/message_of.h"

namespace cd {
namespace {

const std::string kHexA = std::string(64, 'a');
const std::string kHexB = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

TEST(MediumSumsTest, ReadsWhatSha256sumWrites) {
  const TMediumSums sums =
      TMediumSums::Parse(kHexA + "  run.cfg\r\n" +
                             "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"
                             " *prg/Viewer/view.ex_\n",
                         "SHA256SUMS");
  ASSERT_EQ(sums.Count(), 2u);
  EXPECT_EQ(*sums.Find("run.cfg"), kHexA);
  EXPECT_EQ(*sums.Find("PRG\\viewer\\View.EX_"), kHexB);  // lower-case digits, any case and "\"
  EXPECT_EQ(sums.Find("prg/other"), nullptr);
  EXPECT_EQ(sums.Text(), kHexA + "  run.cfg\n" + kHexB + "  prg/Viewer/view.ex_\n");
  EXPECT_EQ(TMediumSums::Parse("", "empty").Count(), 0u);
}

TEST(MediumSumsTest, LinesThatAreNoSumsAreRefusedNamingTheLine) {
  const struct {
    std::string text;
    std::string cause;
  } cases[] = {
      {kHexA + "  a\n\n", "line 2: not a line of 64 hexadecimal digits, two blanks and a path"},
      {kHexA.substr(1) + "  a\n", "line 1: not a line of 64"},
      {std::string(63, 'a') + "g  a\n", "line 1: not a line of 64"},
      {kHexA + " a\n", "line 1: not a line of 64"},
      {kHexA + "  \n", "line 1: not a line of 64"},
      {"\\" + kHexA + "  a\\nb\n", "line 1: escaped file names are not supported"},
      {kHexA + "  ../a\n", "line 1: the path \"../a\" is not a relative name"},
      {kHexA + "  /etc/a\n", "line 1: the path \"/etc/a\" is not a relative name"},
      {kHexA + "  a\\b\n", "line 1: the path \"a\\b\" is not a relative name"},
      {kHexA + "  a/B\n" + kHexB + "  A/b\n", "line 2: the path \"A/b\" is listed twice"},
  };
  for (const auto& c : cases) {
    const std::string message =
        test::MessageOf([&] { TMediumSums::Parse(c.text, "X:\\SHA256SUMS"); });
    EXPECT_EQ(message.rfind("\"X:\\SHA256SUMS\" " + c.cause, 0), 0u) << message;
  }
}

TEST(MediumSumsTest, RequireAndCheckNameTheFile) {
  TMediumSums sums;
  sums.Add("prg/a.txt", os::Sha256Of("abc"));
  EXPECT_THROW(sums.Add("PRG/A.TXT", os::Sha256Of("")), Exception);
  EXPECT_EQ(sums.Require("prg/a.txt", "X:/prg/a.txt"), kHexB);
  EXPECT_EQ(test::MessageOf([&] { sums.Require("prg/b.txt", "X:/prg/b.txt"); }),
            "File \"X:/prg/b.txt\" is not listed in \"SHA256SUMS\" of the medium");
  EXPECT_NO_THROW(TMediumSums::Check("X:/prg/a.txt", os::Sha256Of("abc"), kHexB));
  EXPECT_EQ(test::MessageOf([&] { TMediumSums::Check("X:/prg/a.txt", os::Sha256Of(""), kHexB); }),
            "File \"X:/prg/a.txt\" is damaged on the medium (SHA-256 "
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855, expected " +
                kHexB + ")");
}

}  // namespace
}  // namespace cd

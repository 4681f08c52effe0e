// Round trips: whatever the writer produces reads back to the same binary form, and a text
// that went through binary once is a fixed point.
#include <gtest/gtest.h>

#include <string>

#include "config/object_text.h"

namespace cd {
namespace {

std::string Bin(const std::string& text) { return ObjectTextToBinaryAll(text); }
std::string Text(const std::string& binary) { return ObjectBinaryToTextAll(binary); }

void ExpectFixedPoint(const std::string& text) {
  const std::string bin = Bin(text);
  const std::string written = Text(bin);
  EXPECT_EQ(Bin(written), bin) << written;
  EXPECT_EQ(Text(Bin(written)), written);
}

TEST(NotationRoundTrip, EveryValueForm) {
  ExpectFixedPoint(
      "object Root: TFilesManager [2]\n"
      "  Str = 'It''s a ' + 'joined'#13#10'text' + ''\n"
      "  Wide = 'x'#1000'\xE9'#39\n"
      "  Long = '" + std::string(200, 'q') + "'#0'" + std::string(100, '\'') + "'\n"
      "  Ints = (0 127 128 -32769 $7FFFFFFF $80000000)\n"
      "  Floats = (1.5 3.0 -0.0 1e-300 1.79769313486232E308 0.1s 99c -7.25d 1.23456789012346)\n"
      "  Idents = (a.b.c True false NIL)\n"
      "  N = Null\n"
      "  Sets = ([] [x] [x, y_1])\n"
      "  Coll = <item [1] A = <item end> end item [-1] end>\n"
      "  Bin = {" + std::string(130, 'A') + "}\n"
      "  Nested = ((((1))) ())\n"
      "  inherited Child: TItem\n"
      "    object Deeper: TItem end\n"
      "  end\n"
      "end\n"
      "object TSecond end");
}

TEST(NotationRoundTrip, FloatsSettleAfterOneConversion) {
  // 15 significant digits are kept, so a longer number changes once and then stays.
  const std::string text = "object A: T F = 3.14159265358979323846 end";
  const std::string once = Text(Bin(text));
  EXPECT_NE(once.find("F = 3.14159265358979\r\n"), std::string::npos) << once;
  EXPECT_EQ(Text(Bin(once)), once);
}

TEST(NotationRoundTrip, DeepestAcceptedNestingWritesReadableText) {
  std::string text = "object A: T\n";
  for (int i = 0; i < 498; ++i) text += "object T" + std::to_string(i) + "\n";
  text += "C = " + std::string(1, '(') + "<item K = 'x" + std::string(300, 'y') + "' end>)\n";
  for (int i = 0; i < 499; ++i) text += "end\n";
  ExpectFixedPoint(text);
}

}  // namespace
}  // namespace cd

// Lexical rules of object text: blanks and lines, identifiers, strings, numbers, punctuation,
// the zero byte and the 4096-byte line window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/exceptions.h"
#include "config/text_lexer.h"
#include "support/message_of.h"

namespace cd {
namespace {

// The message and stream offset of the failure of fn.
template <typename Fn>
std::pair<std::string, int64_t> Failure(Fn fn) {
  const std::optional<EParserError> e = test::ThrownBy<EParserError>(fn);
  if (!e) return {};
  return {e->Message(), e->Position()};
}

TEST(NotationLexer, BlanksSeparateTokensAndOnlyLineFeedsCountLines) {
  const std::string text = "\x01" "a\t\r\r b\r\n\n\x1F c";
  TTextLexer lex(text, 100);
  EXPECT_EQ(lex.NextToken(), TToken::Symbol);
  EXPECT_EQ(lex.TokenText(), "a");
  EXPECT_EQ(lex.TokenOffset(), 101);
  EXPECT_EQ(lex.Line(), 1);
  lex.NextToken();
  EXPECT_EQ(lex.TokenText(), "b");
  EXPECT_EQ(lex.Line(), 1);
  lex.NextToken();
  EXPECT_EQ(lex.TokenText(), "c");
  EXPECT_EQ(lex.Line(), 3);
  EXPECT_EQ(lex.NextToken(), TToken::EndOfText);
}

TEST(NotationLexer, IdentifiersAndKeywordsIgnoringCase) {
  TTextLexer lex("_a1B2 OBJECT 9x", 0);
  lex.NextToken();
  EXPECT_EQ(lex.TokenText(), "_a1B2");
  lex.NextToken();
  EXPECT_TRUE(lex.TokenSymbolIs("object"));
  EXPECT_FALSE(lex.TokenSymbolIs("objects"));
  EXPECT_EQ(lex.NextToken(), TToken::Integer);
  EXPECT_EQ(lex.TokenText(), "9");
  EXPECT_EQ(lex.NextToken(), TToken::Symbol);
}

TEST(NotationLexer, StringPiecesQuotesAndCharacterCodes) {
  TTextLexer lex("'It''s'#13#10'x'#  'a'#255 ''", 0);
  EXPECT_EQ(lex.NextToken(), TToken::String);
  EXPECT_EQ(lex.TokenString(), std::string("It's\r\nx") + '\0');
  EXPECT_EQ(lex.NextToken(), TToken::String);
  EXPECT_EQ(lex.TokenString(), "a\xFF");
  EXPECT_EQ(lex.NextToken(), TToken::String);
  EXPECT_EQ(lex.TokenString(), "");
}

TEST(NotationLexer, ACodeAbove255MakesAWideString) {
  TTextLexer lex("'\xE9'#321'b' 'c'", 0);
  EXPECT_EQ(lex.NextToken(), TToken::WString);
  EXPECT_EQ(lex.TokenWideString(), u"\u00E9\u0141b");
  EXPECT_EQ(lex.NextToken(), TToken::String);
}

TEST(NotationLexer, BrokenStringsFailAtTheirStart) {
  for (const char* text : {"x 'ab\ncd'", "x 'ab\rcd'", "x 'abc", "x #65536"}) {
    TTextLexer lex(text, 0);
    lex.NextToken();
    EXPECT_EQ(Failure([&] { lex.NextToken(); }),
              std::make_pair(std::string("Invalid string constant on line 1"), int64_t{2}))
        << text;
  }
  TTextLexer zero(std::string_view("'a\0b'", 5), 0);
  EXPECT_EQ(Failure([&] { zero.NextToken(); }).first, "Invalid string constant on line 1");
}

TEST(NotationLexer, IntegersDecimalAndHexWithin32Bits) {
  const auto value = [](const char* text) {
    TTextLexer lex(text, 0);
    EXPECT_EQ(lex.NextToken(), TToken::Integer) << text;
    return lex.TokenInt();
  };
  EXPECT_EQ(value("-2147483648"), INT32_MIN);
  EXPECT_EQ(value("2147483647"), INT32_MAX);
  EXPECT_EQ(value("$fF"), 255);
  EXPECT_EQ(value("$FFFFFFFF"), -1);
  EXPECT_EQ(value("007"), 7);
  for (const char* bad : {"2147483648", "-2147483649", "$100000000", "$", "-"}) {
    TTextLexer lex(bad, 0);
    lex.NextToken();
    EXPECT_EQ(Failure([&] { lex.TokenInt(); }).first,
              std::string("'") + bad + "' is not a valid integer value on line 1");
  }
}

TEST(NotationLexer, FloatsAndTheirSuffixes) {
  TTextLexer lex("1.5 -2e3 7s 1.25C 3d 4e+2x", 0);
  EXPECT_EQ(lex.NextToken(), TToken::Float);
  EXPECT_EQ(lex.TokenFloat(), 1.5L);
  EXPECT_EQ(lex.FloatType(), 0);
  lex.NextToken();
  EXPECT_EQ(lex.TokenFloat(), -2000.0L);
  lex.NextToken();
  EXPECT_EQ(lex.FloatType(), 's');
  EXPECT_EQ(lex.TokenText(), "7");
  lex.NextToken();
  EXPECT_EQ(lex.FloatType(), 'C');
  EXPECT_EQ(lex.TokenCurrency(), 1);
  lex.NextToken();
  EXPECT_EQ(lex.FloatType(), 'd');
  lex.NextToken();
  EXPECT_EQ(lex.TokenFloat(), 400.0L);
  EXPECT_EQ(lex.NextToken(), TToken::Symbol);  // the x after the number
  for (const char* bad : {"1-2", "1e", "1..2", "1e99999"}) {
    TTextLexer b(bad, 0);
    EXPECT_EQ(b.NextToken(), TToken::Float);
    EXPECT_EQ(Failure([&] { b.TokenFloat(); }).first,
              std::string("'") + bad + "' is not a valid floating point value on line 1");
  }
}

// The whole extended range converts on every platform, the decimal point being "." always.
TEST(NotationLexer, FloatsCoverTheExtendedRange) {
  const auto value = [](const char* text) {
    TTextLexer lex(text, 0);
    lex.NextToken();
    return lex.TokenFloat();
  };
  EXPECT_EQ(value("0.1"), 0.1L);
  EXPECT_EQ(value("12345.6789e-2"), 123.456789L);
  EXPECT_EQ(value("-0.0000"), 0.0L);
  EXPECT_TRUE(std::signbit(value("-0.0")));
  EXPECT_GT(value("1.18973149535723E4932"), 1e4932L);
  EXPECT_GT(value("3.64519953188247E-4951"), 0.0L);
  EXPECT_EQ(value("10000000000000000000000000000000000000001"), 1e40L);
  TTextLexer overflow("1.2e4933", 0);
  overflow.NextToken();
  EXPECT_THROW(overflow.TokenFloat(), EParserError);
}

TEST(NotationLexer, CurrencyCountsAreExactBeyondDoublePrecision) {
  TTextLexer lex("9223372036854775807c -12.6c", 0);
  lex.NextToken();
  EXPECT_EQ(lex.TokenCurrency(), INT64_MAX);
  lex.NextToken();
  EXPECT_EQ(lex.TokenCurrency(), -13);
}

TEST(NotationLexer, PunctuationAndTheZeroByte) {
  const std::string text = std::string("=:.,+[]()<>{}") + '\0' + "more";
  TTextLexer lex(text, 0);
  std::string chars;
  while (lex.NextToken() == TToken::Char) chars.push_back(lex.TokenChar());
  EXPECT_EQ(chars, "=:.,+[]()<>{}");
  EXPECT_EQ(lex.Token(), TToken::EndOfText);
  EXPECT_TRUE(lex.AtEnd());
}

TEST(NotationLexer, DottedIdentifiersAreWrittenWithoutBlanks) {
  TTextLexer lex("Form1.Button_2.Font x. y", 0);
  lex.NextToken();
  EXPECT_EQ(lex.TokenComponentIdent(), "Form1.Button_2.Font");
  lex.NextToken();
  EXPECT_EQ(Failure([&] { lex.TokenComponentIdent(); }).first, "Identifier expected on line 1");
}

TEST(NotationLexer, HexadecimalDataInPairs) {
  std::string out;
  TTextLexer lex("{0aFf\r\n  10 } next", 0);
  lex.NextToken();
  lex.HexToBinary(out);
  EXPECT_EQ(out, "\x0A\xFF\x10");
  EXPECT_EQ(lex.TokenText(), "next");
  for (const char* bad : {"{ABC}", "{A B}", "{AG}", "{AB"}) {
    std::string ignored;
    TTextLexer b(bad, 0);
    b.NextToken();
    EXPECT_EQ(Failure([&] { b.HexToBinary(ignored); }),
              std::make_pair(std::string("Invalid binary value on line 1"), int64_t{0}))
        << bad;
  }
}

// The text is read through a window of 4096 bytes starting at a line start: a line must end
// with its LF within it.
TEST(NotationLexer, LinesUpTo4095CharactersFitTheWindow) {
  const std::string line4095 = "a " + std::string(4092, 'b') + "\r";
  const std::string text = "x\n" + line4095 + "\nc";
  TTextLexer lex(text, 0);
  lex.NextToken();
  lex.NextToken();
  lex.NextToken();
  EXPECT_EQ(lex.TokenText().size(), 4092u);
  lex.NextToken();
  EXPECT_EQ(lex.TokenText(), "c");
  EXPECT_EQ(lex.Line(), 3);
}

TEST(NotationLexer, ALineOf4096CharactersFailsWhenReached) {
  const std::string text = "x\ny\n" + std::string(4096, 'b') + "\nc";
  TTextLexer lex(text, 10);
  lex.NextToken();
  lex.NextToken();
  EXPECT_EQ(lex.TokenText(), "y");  // the long line ahead does not fail before it is reached
  EXPECT_EQ(Failure([&] { lex.NextToken(); }),
            std::make_pair(std::string("Line too long on line 3"), int64_t{14}));

  const std::string last = "x\n" + std::string(4096, 'b');  // no LF at the end
  TTextLexer lastLex(last, 0);
  lastLex.NextToken();
  EXPECT_EQ(Failure([&] { lastLex.NextToken(); }).first, "Line too long on line 2");

  const std::string shortLast = "x\n" + std::string(4095, 'b');
  TTextLexer shortLex(shortLast, 0);
  shortLex.NextToken();
  EXPECT_EQ(shortLex.NextToken(), TToken::Symbol);
}

}  // namespace
}  // namespace cd

// Binary -> text: the writer's layout byte for byte for each value form, and hostile input.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "base/exceptions.h"
#include "config/binary_writer.h"
#include "config/object_text.h"

namespace cd {
namespace {

// Object text of one object "A: T" holding the property records written by properties.
std::string TextOf(const std::function<void(TBinaryWriter&)>& properties) {
  std::string out;
  TBinaryWriter w(out);
  w.WriteSignature();
  w.WriteObjectHeader(0, -1, "T", "A");
  properties(w);
  w.WriteListEnd();
  w.WriteListEnd();
  return ObjectBinaryToTextAll(out);
}

std::string Object(const std::string& lines) { return "object A: T\r\n" + lines + "end\r\n"; }

TEST(NotationBinaryToText, HeadersNestingAndIndentation) {
  std::string bin;
  TBinaryWriter w(bin);
  w.WriteSignature();
  w.WriteObjectHeader(0, -1, "TRoot", "");
  w.WriteStr("X");
  w.WriteInteger(-5);
  w.WriteListEnd();
  w.WriteObjectHeader(2, 4, "TChild", "C");
  w.WriteListEnd();
  w.WriteObjectHeader(1, -1, "TInner", "I");
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  EXPECT_EQ(ObjectBinaryToTextAll(bin),
            "object TRoot\r\n"
            "  X = -5\r\n"
            "  object C: TChild [4]\r\n"
            "    inherited I: TInner\r\n"
            "    end\r\n"
            "  end\r\n"
            "end\r\n");
}

TEST(NotationBinaryToText, StringsWithQuotedRunsAndCodes) {
  EXPECT_EQ(TextOf([](auto& w) {
              w.WriteStr("S");
              w.WriteString("It's\r\n\x7F\xE9");
              w.WriteStr("E");
              w.WriteString("");
              w.WriteStr("W");
              w.WriteWideString(u"a\u0141\u00E9'");
            }),
            Object("  S = 'It'#39's'#13#10'\x7F\xE9'\r\n"
                   "  E = ''\r\n"
                   "  W = 'a'#321'\xE9'#39\r\n"));
}

TEST(NotationBinaryToText, LongStringsAreCutInto64CharacterLines) {
  const std::string s64(64, 'a');
  EXPECT_EQ(TextOf([&](auto& w) {
              w.WriteStr("S");
              w.WriteString(s64);
            }),
            Object("  S = '" + s64 + "'\r\n"));
  // Longer: own line one level deeper, " +" after every 64 characters of the string, codes
  // counting as one character each.
  const std::string s = std::string(63, 'b') + "\t" + std::string(64, 'c') + "d";
  EXPECT_EQ(TextOf([&](auto& w) {
              w.WriteStr("S");
              w.WriteString(s);
            }),
            Object("  S = \r\n"
                   "    '" + std::string(63, 'b') + "'#9 +\r\n"
                   "    '" + std::string(64, 'c') + "' +\r\n"
                   "    'd'\r\n"));
}

TEST(NotationBinaryToText, WideStringsKeepSurrogatePairsOnOneLine) {
  std::u16string s(63, u'x');
  s += u"\U0001F600y";
  EXPECT_EQ(TextOf([&](auto& w) {
              w.WriteStr("W");
              w.WriteWideString(s);
            }),
            Object("  W = \r\n    '" + std::string(63, 'x') + "'#55357#56832 +\r\n    'y'\r\n"));
}

TEST(NotationBinaryToText, LongWideStringsReadBackWhateverTheirLinesHold) {
  // The first line holds single-byte characters only, the second a wide one.
  const std::u16string s = std::u16string(70, u'a') + u"\u0141";
  std::string bin;
  TBinaryWriter w(bin);
  w.WriteSignature();
  w.WriteObjectHeader(0, -1, "T", "");
  w.WriteStr("W");
  w.WriteWideString(s);
  w.WriteListEnd();
  w.WriteListEnd();
  EXPECT_EQ(ObjectTextToBinaryAll(ObjectBinaryToTextAll(bin)), bin);
}

TEST(NotationBinaryToText, NumbersAndIdentifiers) {
  EXPECT_EQ(TextOf([](auto& w) {
              w.WriteStr("I");
              w.WriteInteger(INT32_MIN);
              w.WriteStr("F");
              w.WriteExtended(0.1L);
              w.WriteStr("G");
              w.WriteExtended(3.0L);
              w.WriteStr("H");
              w.WriteExtended(1e20L);
              w.WriteStr("K");
              w.WriteExtended(-1.5e-7L);
              w.WriteStr("M");
              w.WriteExtended(123456789012345.0L);
              w.WriteStr("N");
              w.WriteExtended(0.00001L);
              w.WriteStr("P");
              w.WriteExtended(1.0L / 3);
              w.WriteStr("S");
              w.WriteSingle(0.5f);
              w.WriteStr("C");
              w.WriteCurrency(-1234567890123456789);
              w.WriteStr("D");
              w.WriteDate(36526.25);
              w.WriteStr("B");
              w.WriteBoolean(false);
              w.WriteStr("R");
              w.WriteIdent("Form1.Edit");
              w.WriteStr("Z");
              w.WriteIdent("Null");
            }),
            Object("  I = -2147483648\r\n"
                   "  F = 0.1\r\n"
                   "  G = 3.0\r\n"
                   "  H = 1E20\r\n"
                   "  K = -1.5E-7\r\n"
                   "  M = 123456789012345.0\r\n"
                   "  N = 0.00001\r\n"
                   "  P = 0.333333333333333\r\n"
                   "  S = 0.5s\r\n"
                   "  C = -1234567890123456789c\r\n"
                   "  D = 36526.25d\r\n"
                   "  B = False\r\n"
                   "  R = Form1.Edit\r\n"
                   "  Z = Null\r\n"));
}

TEST(NotationBinaryToText, SetsListsAndCollections) {
  EXPECT_EQ(TextOf([](auto& w) {
              w.WriteStr("Set");
              w.WriteValueType(TValueType::vaSet);
              w.WriteStr("a");
              w.WriteStr("b");
              w.WriteStr("");
              w.WriteStr("Empty");
              w.WriteValueType(TValueType::vaSet);
              w.WriteStr("");
              w.WriteStr("L");
              w.WriteListBegin();
              w.WriteString("x");
              w.WriteListBegin();
              w.WriteInteger(1);
              w.WriteListEnd();
              w.WriteListEnd();
              w.WriteStr("NoItems");
              w.WriteListBegin();
              w.WriteListEnd();
              w.WriteStr("C");
              w.WriteValueType(TValueType::vaCollection);
              w.WriteListBegin();
              w.WriteStr("K");
              w.WriteInteger(1);
              w.WriteListEnd();
              w.WriteInteger(7);
              w.WriteListBegin();
              w.WriteListEnd();
              w.WriteListEnd();
            }),
            Object("  Set = [a, b]\r\n"
                   "  Empty = []\r\n"
                   "  L = (\r\n"
                   "    'x'\r\n"
                   "    (\r\n"
                   "      1))\r\n"
                   "  NoItems = ()\r\n"
                   "  C = <\r\n"
                   "    item\r\n"
                   "      K = 1\r\n"
                   "    end\r\n"
                   "    item [7]\r\n"
                   "    end>\r\n"));
}

TEST(NotationBinaryToText, BinaryDataIn32ByteLines) {
  std::string bytes;
  for (int i = 0; i < 33; ++i) bytes.push_back(static_cast<char>(i * 8));
  EXPECT_EQ(TextOf([&](auto& w) {
              w.WriteStr("Short");
              w.WriteBinary(bytes.substr(0, 31));
              w.WriteStr("Long");
              w.WriteBinary(bytes);
              w.WriteStr("None");
              w.WriteBinary("");
            }),
            Object("  Short = {0008101820283038404850586068707880889098A0A8B0B8C0C8D0D8E0E8F0}\r\n"
                   "  Long = {\r\n"
                   "    0008101820283038404850586068707880889098A0A8B0B8C0C8D0D8E0E8F0F8\r\n"
                   "    00}\r\n"
                   "  None = {}\r\n"));
}

TEST(NotationBinaryToText, HostileInputFailsWithReadError) {
  const auto fails = [](const std::string& bin) {
    EXPECT_THROW(ObjectBinaryToTextAll(bin), EReadError) << testing::PrintToString(bin);
  };
  const std::string head = std::string("TPF0\x01T\x01" "A", 8);
  fails("TPF");
  fails(head);                                   // no end of properties
  fails(head + std::string("\x01K\x13", 3));     // unknown value code
  fails(head + std::string("\x01K\x0C\xFF\xFF\xFF\x7F", 8));  // length beyond the data
  fails(head + std::string("\x02K!\x02\x01", 5));            // key that is no identifier
  fails(head + std::string("\x01K\x01\x07\x04nuLL\x00", 10));  // Null inside a list
  fails(head + std::string("\x01K\x0E\x06", 4));             // collection item without list
  std::string nan(10, '\xFF');
  fails(head + std::string("\x01K\x05", 3) + nan + std::string(2, '\0'));
  fails(head + "\x01K" + std::string(100000, '\x01'));      // nesting beyond the limit
  fails(head + std::string(2, '\0') + "junk");
}

TEST(NotationBinaryToText, VeryLongSetsContinueOnANewLine) {
  const std::string text = TextOf([](auto& w) {
    w.WriteStr("S");
    w.WriteValueType(TValueType::vaSet);
    for (int i = 0; i < 20; ++i) w.WriteStr("e" + std::string(250, 'x') + std::to_string(i));
    w.WriteStr("");
  });
  size_t longest = 0, start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    longest = std::max(longest, end - start);
  EXPECT_LT(longest, 4096u);
  EXPECT_EQ(ObjectTextToBinaryAll(ObjectBinaryToTextAll(ObjectTextToBinaryAll(text))),
            ObjectTextToBinaryAll(text));
}

}  // namespace
}  // namespace cd

#include "streams/stream_encoding.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "streams/memory_stream.h"

namespace cd {
namespace {

TEST(StreamEncoding, IntegersAreFourLittleEndianBytes) {
  TMemoryStream s;
  WriteInt32(s, 0x12345678);
  WriteInt32(s, -2);
  EXPECT_EQ(s.Data(), std::string("\x78\x56\x34\x12\xFE\xFF\xFF\xFF", 8));
  s.SetPosition(0);
  EXPECT_EQ(ReadInt32(s), 0x12345678);
  EXPECT_EQ(ReadInt32(s), -2);
  EXPECT_THROW(ReadInt32(s), EReadError);
}

TEST(StreamEncoding, LongStringsRoundTripWithZeroBytes) {
  TMemoryStream s;
  const std::string text("a\0b\0", 4);
  WriteLongString(s, text);
  WriteLongString(s, "");
  EXPECT_EQ(s.Data(), std::string("\x04\0\0\0a\0b\0\0\0\0\0", 12));
  s.SetPosition(0);
  EXPECT_EQ(ReadLongString(s), text);
  EXPECT_EQ(ReadLongString(s), "");
}

TEST(StreamEncoding, DamagedLongStringLengthsAreReadErrors) {
  for (const std::string& data : {std::string("\xFF\xFF\xFF\x7F", 4),   // 2 GB announced
                                  std::string("\xFF\xFF\xFF\xFF", 4),   // negative
                                  std::string("\x05\0\0\0abcd", 8)}) {  // one byte short
    TMemoryStream s(data);
    EXPECT_THROW(ReadLongString(s), EReadError);
  }
}

TEST(StreamEncoding, ShortAndRawStrings) {
  TMemoryStream s;
  WriteShortString(s, "abc");
  WriteRawString(s, "xyz");
  EXPECT_EQ(s.Data(),
            "\x03"
            "abcxyz");
  TMemoryStream longText;
  WriteShortString(longText, std::string(300, 'q'));
  EXPECT_EQ(longText.Data(), "\xFF" + std::string(255, 'q'));
}

TEST(StreamEncoding, ReadStreamTextTakesTheRestFromThePosition) {
  TMemoryStream s(std::string("head:body\0end", 13));
  EXPECT_EQ(ReadStreamText(s), std::string("head:body\0end", 13));
  s.SetPosition(5);
  EXPECT_EQ(ReadStreamText(s), std::string("body\0end", 8));
  EXPECT_EQ(ReadStreamText(s), "");
}

}  // namespace
}  // namespace cd

// The node records: byte-stream and component-stream forms, their versions and limits.
#include <gtest/gtest.h>

#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "outline/font_style.h"
#include "outline/html_node.h"
#include "outline/jump_node.h"
#include "streams/memory_stream.h"
#include "support/message_of.h"

namespace cd {
namespace {

std::string BinRecord(const TMyNode& node) {
  TMemoryStream stream;
  node.BinWrite(stream);
  return stream.TakeData();
}

std::string Record(const TMyNode& node) {
  std::string out;
  TBinaryWriter writer(out);
  node.Write(writer);
  return out;
}

void ReadInto(TMyNode& node, const std::string& bytes) {
  TBinaryReader reader(bytes);
  node.Read(reader);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(NodeRecords, ByteStreamLaysOutEveryFieldLittleEndian) {
  TJumpNode node(nullptr);
  node.SetText("Ab");
  node.SetTag(0x01020304);
  node.SetFontStyle(SetBit(TFontStyle::fsItalic) | SetBit(TFontStyle::fsStrikeOut));
  node.SetCtxStr("c");
  EXPECT_EQ(BinRecord(node), std::string("\x03\x02\0\0\0Ab\x04\x03\x02\x01\x0A\x01\0\0\0c", 17));
}

TEST(NodeRecords, ByteStreamKeepsLongTextsAndTheHtmlFields) {
  THTMLNode node(nullptr);
  node.SetText(std::string(300, 'x'));
  node.SetId(77);
  node.SetDisabled(true);
  node.SetData("payload");
  node.SetTag(-5);
  TMemoryStream stream(BinRecord(node));
  THTMLNode back(nullptr);
  back.BinRead(stream);
  EXPECT_EQ(back.Text(), std::string(300, 'x'));
  EXPECT_EQ(back.GetId(), 77);
  EXPECT_TRUE(back.Disabled());
  EXPECT_EQ(back.State(), 2);
  EXPECT_EQ(back.GetData(), "payload");
  EXPECT_EQ(back.Tag(), -5);
}

TEST(NodeRecords, ByteStreamRefusesNewerVersionsAndBadLengths) {
  TMyNode node(nullptr);
  EXPECT_EQ(test::MessageOf([&] {
              TMemoryStream stream(std::string("\x04\0\0\0\0\0\0\0\0\0", 10));
              node.BinRead(stream);
            }),
            "TMyNode.BinRead: Wrong ReadWrite Version - 4");
  for (const std::string& bytes : {std::string("\x03\xFF\xFF\xFF\xFF", 5),
                                   std::string("\x03\x10\0\0\0abc", 8), std::string("\x03", 1)})
    EXPECT_EQ(test::MessageOf([&] {
                TMemoryStream stream(bytes);
                node.BinRead(stream);
              }),
              "Stream read error");
}

TEST(NodeRecords, ComponentStreamCutsTextAndTypesTheTag) {
  TMyNode node(nullptr);
  node.SetText(std::string(300, 'y'));
  node.SetFontStyle(SetBit(TFontStyle::fsBold));
  struct Case {
    int32_t tag;
    std::string typed;
  };
  for (const Case& c :
       {Case{127, std::string("\x02\x7F", 2)}, Case{128, std::string("\x03\x80\0", 3)},
        Case{-32768, std::string("\x03\0\x80", 3)},
        Case{40000, std::string("\x04\x40\x9C\0\0", 5)}}) {
    node.SetTag(c.tag);
    const std::string record = Record(node);
    EXPECT_EQ(record, "\x03\xFF" + std::string(255, 'y') + c.typed + std::string("\x01\0", 2))
        << c.tag;
    TMyNode back(nullptr);
    ReadInto(back, record);
    EXPECT_EQ(back.Text(), std::string(255, 'y'));
    EXPECT_EQ(back.Tag(), c.tag);
    EXPECT_EQ(back.FontStyle(), SetBit(TFontStyle::fsBold));
  }
}

TEST(NodeRecords, ComponentStreamReadsOlderVersionsAndRefusesNewer) {
  TMyNode v1(nullptr);
  ReadInto(v1, std::string("\x01\x01P\x02\x05", 5));
  EXPECT_EQ(v1.Text(), "P");
  EXPECT_EQ(v1.Tag(), 5);
  EXPECT_EQ(v1.FontStyle(), 0u);
  TMyNode v2(nullptr);
  ReadInto(v2, std::string("\x02\x01Q\x02\x06\x04", 6));
  EXPECT_EQ(v2.FontStyle(), SetBit(TFontStyle::fsUnderline));
  EXPECT_EQ(test::MessageOf([&] { ReadInto(v2, std::string("\x04\x01Q\x02\x06\x04\0", 7)); }),
            "TMyNode.Read: Wrong ReadWrite Version - 4");
}

TEST(NodeRecords, ComponentStreamCarriesTheSubclassFields) {
  THTMLNode html(nullptr);
  html.SetText("h");
  html.SetId(300);
  html.SetDisabled(true);
  html.SetData("d");
  const std::string record = Record(html);
  EXPECT_EQ(record.substr(7), std::string("\x03\x2C\x01\x09\x01"
                                          "d",
                                          6));
  THTMLNode back(nullptr);
  ReadInto(back, record);
  EXPECT_EQ(back.GetId(), 300);
  EXPECT_EQ(back.State(), 2);
  EXPECT_EQ(back.GetData(), "d");

  TJumpNode jump(nullptr);
  jump.SetCtxStr(std::string(256, 'j'));
  TJumpNode jumpBack(nullptr);
  ReadInto(jumpBack, Record(jump));
  EXPECT_EQ(jumpBack.CtxStr(), std::string(255, 'j'));
}

}  // namespace
}  // namespace cd

// The binary form primitives: smallest codes, bounds checks on hostile data, extended floats.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "config/extended.h"
#include "support/bytes.h"

namespace cd {
namespace {

using test::Bytes;

template <typename Fn>
std::string Written(Fn fn) {
  std::string out;
  TBinaryWriter w(out);
  fn(w);
  return out;
}

TEST(NotationBinaryForm, IntegersUseTheSmallestCode) {
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(-128); }), Bytes({2, 0x80}));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(127); }), Bytes({2, 0x7F}));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(128); }), Bytes({3, 0x80, 0}));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(-32769); }), Bytes({4, 0xFF, 0x7F, 0xFF, 0xFF}));
  EXPECT_THROW(Written([](auto& w) { w.WriteInteger(int64_t{1} << 31); }), EWriteError);
}

TEST(NotationBinaryForm, StringsSwitchToTheLongCodeAbove255Bytes) {
  const std::string s255(255, 'x'), s256(256, 'x');
  EXPECT_EQ(Written([&](auto& w) { w.WriteString(s255); }), Bytes({6, 255}) + s255);
  EXPECT_EQ(Written([&](auto& w) { w.WriteString(s256); }), Bytes({12, 0, 1, 0, 0}) + s256);
  EXPECT_EQ(Written([](auto& w) { w.WriteWideString(u"A\u0141"); }),
            Bytes({18, 2, 0, 0, 0, 'A', 0, 0x41, 0x01}));
  // Short strings (keys, names) are cut to 255 bytes.
  EXPECT_EQ(Written([&](auto& w) { w.WriteStr(s256); }), Bytes({255}) + s255);
}

TEST(NotationBinaryForm, SpecialIdentifiersHaveTheirOwnCodes) {
  EXPECT_EQ(Written([](auto& w) { w.WriteIdent("FALSE"); }), Bytes({8}));
  EXPECT_EQ(Written([](auto& w) { w.WriteIdent("true"); }), Bytes({9}));
  EXPECT_EQ(Written([](auto& w) { w.WriteIdent("null"); }), Bytes({0}));
  EXPECT_EQ(Written([](auto& w) { w.WriteIdent("NIL"); }), Bytes({13}));
  EXPECT_EQ(Written([](auto& w) { w.WriteIdent("clRed"); }), Bytes({7, 5}) + "clRed");
}

TEST(NotationBinaryForm, ObjectHeaderPrefix) {
  EXPECT_EQ(Written([](auto& w) { w.WriteObjectHeader(0, -1, "T", "A"); }),
            Bytes({1, 'T', 1, 'A'}));
  EXPECT_EQ(Written([](auto& w) { w.WriteObjectHeader(3, 5, "T", ""); }),
            Bytes({0xF3, 2, 5, 1, 'T', 0}));
  // A class name whose length byte looks like a prefix gets an empty prefix first.
  const std::string longName(240, 'T');
  const std::string header = Written([&](auto& w) { w.WriteObjectHeader(0, -1, longName, ""); });
  TBinaryReader r(header);
  uint8_t flags;
  int32_t position;
  r.ReadPrefix(flags, position);
  EXPECT_EQ(flags, 0);
  EXPECT_EQ(r.ReadStr(), longName);
}

TEST(NotationBinaryForm, TypedReadsAcceptTheirCodesOnly) {
  const std::string data = Bytes({3, 0x34, 0x12, 9, 6, 1, 'a', 2, 7});
  TBinaryReader r(data);
  EXPECT_EQ(r.ReadInteger(), 0x1234);
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_EQ(r.ReadWideString(), u"a");
  EXPECT_EQ(r.ReadCurrency(), 70000);  // an integer counts whole units
  EXPECT_TRUE(r.AtEnd());

  const std::string stringData = Bytes({6, 0});
  TBinaryReader wrong(stringData);
  EXPECT_THROW(wrong.ReadInteger(), EReadError);
  const std::string wideData = Bytes({18, 1, 0, 0, 0, 0x41, 0x01});
  TBinaryReader wideChar(wideData);
  EXPECT_THROW(wideChar.ReadString(), EReadError);
}

TEST(NotationBinaryForm, ShortAndHostileDataFailWithReadError) {
  const auto fails = [](std::string data, auto read) {
    TBinaryReader r(data);
    EXPECT_THROW(read(r), EReadError) << testing::PrintToString(data);
  };
  fails("", [](auto& r) { r.ReadByte(); });
  fails("TPF", [](auto& r) { r.ReadSignature(); });
  fails("TPF1", [](auto& r) { r.ReadSignature(); });
  fails(Bytes({4, 1, 2}), [](auto& r) { r.ReadInteger(); });
  fails(Bytes({6, 5, 'a'}), [](auto& r) { r.ReadString(); });
  fails(Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}), [](auto& r) { r.ReadString(); });
  fails(Bytes({10, 0xFF, 0xFF, 0xFF, 0xFF}), [](auto& r) { r.ReadBinary(); });
  fails(Bytes({18, 0xFF, 0xFF, 0xFF, 0x7F}), [](auto& r) { r.SkipValue(); });
  fails(Bytes({5, 0, 0}), [](auto& r) { r.SkipValue(); });
  fails(Bytes({19}), [](auto& r) { r.SkipValue(); });
  fails(Bytes({14, 1, 1, 'K', 2}), [](auto& r) { r.SkipValue(); });
  fails(Bytes({1}), [](auto& r) { r.SetPosition(2); });
}

TEST(NotationBinaryForm, SkipsWholeValuesOfEveryCode) {
  std::string data;
  TBinaryWriter w(data);
  w.WriteListBegin();
  w.WriteString("abc");
  w.WriteExtended(1.5L);
  w.WriteCurrency(5);
  w.WriteBinary("xyz");
  w.WriteValueType(TValueType::vaSet);
  w.WriteStr("a");
  w.WriteStr("");
  w.WriteValueType(TValueType::vaCollection);
  w.WriteInteger(3);
  w.WriteListBegin();
  w.WriteStr("K");
  w.WriteWideString(u"w");
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteInteger(42);
  TBinaryReader r(data);
  r.SkipValue();
  EXPECT_EQ(r.ReadInteger(), 42);
}

TEST(NotationBinaryForm, DeepNestingIsRefusedInsteadOfOverflowingTheStack) {
  const std::string deep(100000, '\x01');
  TBinaryReader r(deep);
  EXPECT_THROW(r.SkipValue(), EReadError);
}

TEST(NotationBinaryForm, ExtendedFloatsHaveTheIntelLayout) {
  uint8_t bytes[10];
  DoubleToExtended(1.0L, bytes);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 10), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  DoubleToExtended(-2.0L, bytes);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 10), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
  for (long double v : {0.0L, 0.1L, -123456.789L, 1e-300L, 1e300L, 3.0e-4940L}) {
    DoubleToExtended(v, bytes);
    EXPECT_EQ(ExtendedToDouble(bytes), v);
  }
  DoubleToExtended(-0.0L, bytes);
  EXPECT_TRUE(std::signbit(ExtendedToDouble(bytes)));
  DoubleToExtended(std::numeric_limits<long double>::infinity(), bytes);
  EXPECT_TRUE(std::isinf(ExtendedToDouble(bytes)));
  DoubleToExtended(std::nanl(""), bytes);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(bytes)));
}

}  // namespace
}  // namespace cd

// Enumeration, set and byte-set text.
#include "config/enum_text.h"

#include <gtest/gtest.h>

#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

TEST(EnumText, EnumToStringAndBack) {
  const TTypeRef fruit = EnumTypeRef(FruitType());
  EXPECT_EQ(EnumToString(fruit, 1), "fr_Pear");
  EXPECT_EQ(MessageOf([&] { EnumToString(fruit, 3); }), "EnumToString: \"3\" is out of range");
  EXPECT_EQ(MessageOf([&] { EnumToString(SetTypeRef(FruitType()), 0); }), "EnumToString");
  EXPECT_EQ(StringToEnum(fruit, "FR_PLUM"), 2);
  EXPECT_EQ(MessageOf([&] { StringToEnum(fruit, "fr_Kiwi"); }),
            "StringToEnum: \"fr_Kiwi\" is not in Enum");
  EXPECT_EQ(MessageOf([&] { StringToEnum(TTypeRef{}, "x"); }), "StringToEnum");
}

TEST(EnumText, ConvertersGiveDisplayNames) {
  const TTypeRef fruit = EnumTypeRef(FruitType());
  TStringList display;
  display.SetCommaText("Apple,Pear,Plum");
  EXPECT_EQ(EnumToString(fruit, 2, &display), "Plum");
  EXPECT_EQ(StringToEnum(fruit, "pear", &display), 1);
  EXPECT_EQ(StringToEnum(fruit, "fr_Plum", &display), 2);  // falls back to declared names
  EXPECT_EQ(SetToString(SetTypeRef(FruitType()), 0b101, &display), "Apple,Plum");
}

TEST(EnumText, SetToStringAndEnumToStrings) {
  EXPECT_EQ(SetToString(SetTypeRef(FruitType()), 0b101), "fr_Apple,fr_Plum");
  EXPECT_EQ(SetToString(SetTypeRef(FruitType()), 0), "");
  EXPECT_EQ(MessageOf([] { SetToString(EnumTypeRef(FruitType()), 1); }), "SetToString");
  TStringList list;
  list.Add("old");
  EnumToStrings(SetTypeRef(OptionType()), &list);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"op_One", "op_Two", "op_Three"}));
  EXPECT_EQ(MessageOf([&] { EnumToStrings(TTypeRef{}, &list); }), "EnumToStrings");
  EnumToStrings(TTypeRef{}, nullptr);  // nothing without a list
}

TEST(EnumText, PropertyTypes) {
  const TClassInfo& cls = TTestComponent::StaticClass();
  EXPECT_EQ(PropTypeRef(*cls.FindProperty("Flag")).kind, TTypeKind::Enumeration);
  EXPECT_EQ(PropTypeRef(*cls.FindProperty("Small")).kind, TTypeKind::Set);
  EXPECT_EQ(PropTypeRef(*cls.FindProperty("Number")).kind, TTypeKind::Other);
  EXPECT_EQ(EnumToString(PropTypeRef(*cls.FindProperty("Flag")), 1), "True");
}

TEST(EnumText, ByteSets) {
  TByteSet set;
  EXPECT_EQ(ByteSetToText(set), "");
  set.set(1).set(10).set(255);
  EXPECT_EQ(ByteSetToText(set), "1,10,255");
  const TByteSet parsed = TextToByteSet("1, 10, 300");
  EXPECT_EQ(parsed.count(), 2u);
  EXPECT_TRUE(parsed.test(1) && parsed.test(10));
  EXPECT_EQ(TextToByteSet("-1,$FF").count(), 1u);
  EXPECT_EQ(MessageOf([] { TextToByteSet("1,x2"); }), "'x2' is not a valid integer value");
}

}  // namespace
}  // namespace cd::test

// TIntegerList: values, index errors, assignment and the "BinList" bytes.
#include "config/integer_list.h"

#include <gtest/gtest.h>

#include "config/string_list.h"
#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

TEST(IntegerList, AddIndexOfSetItemDeleteClear) {
  TIntegerList list;
  EXPECT_TRUE(list.SaveBinary());
  EXPECT_EQ(list.Duplicates(), TDuplicates::dupIgnore);
  EXPECT_EQ(list.Add(7), 0);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_EQ(list.Add(7), 1);  // Duplicates does not change how values are added
  EXPECT_EQ(list.Add(-3), 2);
  EXPECT_EQ(list.IndexOf(7), 0);
  EXPECT_EQ(list.IndexOf(-3), 2);
  EXPECT_EQ(list.IndexOf(99), -1);
  list.SetItem(1, 8);
  list.Delete(0);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(0), 8);
  EXPECT_EQ(list.Items(1), -3);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(IntegerList, IndexErrorsNameTheIndex) {
  TIntegerList list;
  list.Add(1);
  EXPECT_EQ(MessageOf([&] { list.Items(1); }), "List index out of bounds (1)");
  EXPECT_EQ(MessageOf([&] { list.SetItem(-1, 0); }), "List index out of bounds (-1)");
  EXPECT_EQ(MessageOf([&] { list.Delete(5); }), "List index out of bounds (5)");
}

TEST(IntegerList, AssignCopiesValuesOnly) {
  TIntegerList source;
  source.Add(4);
  source.Add(2);
  source.SetSaveBinary(false);
  source.SetDuplicates(TDuplicates::dupAccept);
  TIntegerList dest;
  dest.Add(9);
  dest.Assign(source);
  EXPECT_EQ(dest.Values(), (std::vector<int32_t>{4, 2}));
  EXPECT_TRUE(dest.SaveBinary());
  EXPECT_EQ(dest.Duplicates(), TDuplicates::dupIgnore);
  TStringList strings;
  EXPECT_EQ(MessageOf([&] { dest.Assign(strings); }), "Cannot assign a TStringList to a TIntegerList");
}

TEST(IntegerList, BinListBytes) {
  TIntegerList list;
  list.Add(1);
  list.Add(5);
  const std::string bytes = list.ToBinList();
  EXPECT_EQ(bytes, std::string("\x02\0\0\0\x01\0\0\0\x05\0\0\0", 12));
  TIntegerList copy;
  copy.Add(100);
  copy.FromBinList(bytes);
  EXPECT_EQ(copy.Values(), (std::vector<int32_t>{1, 5}));
  copy.FromBinList(std::string("\0\0\0\0", 4));
  EXPECT_EQ(copy.Count(), 0);
}

TEST(IntegerList, BinListShorterThanItsCountFails) {
  TIntegerList list;
  EXPECT_EQ(MessageOf([&] { list.FromBinList(std::string("\x02\0\0\0\x01\0\0\0", 8)); }),
            "Stream read error");
  EXPECT_EQ(MessageOf([&] { list.FromBinList(std::string("\xFF\xFF\xFF\xFF", 4)); }),
            "Stream read error");
  EXPECT_EQ(MessageOf([&] { list.FromBinList("\x01"); }), "Stream read error");
}

}  // namespace
}  // namespace cd::test

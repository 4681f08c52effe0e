// String lists, collections, TCollectionEx and TInterfacedCollectionItem.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "config/collection_ex.h"
#include "config/interfaced_collection_item.h"
#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

TEST(StringList, CommaTextQuotesWhereNeededAndSplitsAtCommasAndBlanks) {
  TStringList list;
  list.Add("plain");
  list.Add("two words");
  list.Add("say \"hi\"");
  list.Add("");
  EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"say \"\"hi\"\"\",");
  TStringList back;
  back.SetCommaText("plain,\"two words\",\"say \"\"hi\"\"\",");
  EXPECT_EQ(back.Items(), (std::vector<std::string>{"plain", "two words", "say \"hi\""}));
  back.SetCommaText("  1, 10 ,,300 x");
  EXPECT_EQ(back.Items(), (std::vector<std::string>{"1", "10", "", "300", "x"}));
  back.SetCommaText(std::string_view("a,b\0c", 5));
  EXPECT_EQ(back.Items(), (std::vector<std::string>{"a", "b"}));
}

TEST(StringList, TextIndexOfAndIndexErrors) {
  TStringList list;
  list.SetText("a\r\nB\nc\rd\r\n");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "B", "c", "d"}));
  EXPECT_EQ(list.Text(), "a\r\nB\r\nc\r\nd\r\n");
  EXPECT_EQ(list.IndexOf("b"), 1);
  EXPECT_EQ(list.IndexOf("e"), -1);
  list.Insert(4, "e");
  EXPECT_EQ(list.Strings(4), "e");
  EXPECT_EQ(MessageOf([&] { list.Strings(5); }), "List index out of bounds (5)");
  EXPECT_EQ(MessageOf([&] { list.Insert(7, "x"); }), "List index out of bounds (7)");
}

// A sorted list gets the same entries whether values come one at a time, all at once, or
// before the list is sorted: in order without regard to case, the first of equal ones kept.
TEST(StringList, SortedEntriesAreTheSameHoweverTheyArrive) {
  std::mt19937 rng(5);
  const char* const pieces[] = {"a", "B", "b", "c\\", "C\\", "ab", "AB", "\\"};
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> values(rng() % 40);
    for (std::string& value : values)
      for (unsigned n = rng() % 4; n > 0; --n) value += pieces[rng() % 8];
    const size_t half = values.size() / 2;
    TStringList one, all, late;
    one.SetSorted(true);
    all.SetSorted(true);
    for (const std::string& value : values) one.Add(value);
    all.Add("ab");
    all.AddAll(std::vector<std::string>(values.begin(), values.begin() + half));
    all.AddAll(std::vector<std::string>(values.begin() + half, values.end()));
    for (const std::string& value : values) late.Add(value);
    late.SetSorted(true);
    TStringList withAb;
    withAb.SetSorted(true);
    withAb.Add("ab");
    for (const std::string& value : values) withAb.Add(value);
    EXPECT_EQ(all.Items(), withAb.Items());
    EXPECT_EQ(late.Items(), one.Items());
  }
  TStringList plain;
  plain.AddAll({"b", "a", "b"});
  EXPECT_EQ(plain.Items(), (std::vector<std::string>{"b", "a", "b"}));
}

TEST(Collection, ItemsKnowTheirIndexAndOwner) {
  TTestComponent owner(nullptr);
  TCollection& c = *owner.items;
  auto* a = static_cast<TTestItem*>(c.Add());
  auto* b = static_cast<TTestItem*>(c.Add());
  EXPECT_EQ(a->Index(), 0);
  EXPECT_EQ(b->Index(), 1);
  EXPECT_EQ(b->GetOwner(), &c);
  EXPECT_EQ(c.GetOwner(), &owner);
  c.Delete(0);
  EXPECT_EQ(b->Index(), 0);
  EXPECT_EQ(MessageOf([&] { c.Items(1); }), "List index out of bounds (1)");
  EXPECT_EQ(MessageOf([&] { c.Delete(-1); }), "List index out of bounds (-1)");
}

TEST(Collection, AssignFromAnotherKindFails) {
  TTestComponent owner(nullptr);
  TStringList list;
  EXPECT_EQ(MessageOf([&] { owner.items->Assign(list); }),
            "Cannot assign a TStringList to a TCollection");
}

TEST(CollectionEx, OwnerIsSetThroughTheSetterAndReported) {
  TTestComponent card(nullptr);
  auto c = MakeCollectionEx<TTestItem>(nullptr);
  EXPECT_EQ(c->Owner(), nullptr);
  c->SetOwner(&card);
  EXPECT_EQ(c->Owner(), &card);
  EXPECT_EQ(c->GetOwner(), &card);
  EXPECT_EQ(c->ClassName(), "TCollectionEx");
}

constexpr TGuid kIID_ITest = {0x65045D46, 0xDF10, 0x11D0, {0xB7, 0, 0, 0xA0, 0x24, 0x94, 0x76, 0}};

TEST(InterfacedCollectionItem, CountsReferencesAndAnswersNoInterface) {
  auto c = MakeCollectionEx<TInterfacedCollectionItem>(nullptr);
  auto* item = static_cast<TInterfacedCollectionItem*>(c->Add());
  EXPECT_EQ(item->RefCount(), 1);
  void* obj = reinterpret_cast<void*>(1);
  EXPECT_EQ(item->QueryInterface(kIID_ITest, &obj), kE_NOINTERFACE);
  EXPECT_EQ(obj, nullptr);
  EXPECT_EQ(item->QueryInterface(IID_IUnknown, &obj), kS_OK);
  EXPECT_EQ(obj, static_cast<IInterface*>(item));
  EXPECT_EQ(item->RefCount(), 2);
  EXPECT_EQ(item->Release(), 1);
  EXPECT_EQ(c->Count(), 1);
  EXPECT_EQ(item->Release(), 0);  // the last reference destroys it
  EXPECT_EQ(c->Count(), 0);
}

}  // namespace
}  // namespace cd::test

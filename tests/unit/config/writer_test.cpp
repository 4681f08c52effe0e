// Writing objects as object text: declaration order, defaults left out, qualified keys of
// sub-objects, extra values, collections, references, children; and round trips.
#include <gtest/gtest.h>

#include "config/config_io.h"
#include "streams/memory_stream.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

class Writer : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }

  // An object with a value in every kind of property and one child with a grandchild.
  static std::unique_ptr<TTestComponent> Sample() {
    auto o = std::make_unique<TTestComponent>(nullptr);
    o->SetName("Main");
    o->number = -7;
    o->colour = 255;
    o->flag = true;
    o->fruit = TFruit::frPlum;
    o->small = 5;
    o->fruits = 2;
    o->ext = 1.5;
    o->sgl = 0.1f;
    o->cur = 12.3456;
    o->dat = 45000.25;
    o->text = "It's";
    o->wide = u"w\u0400";
    o->rec.lang = "EN";
    o->rec.names.Add("a");
    o->ints.Add(1);
    o->ints.Add(5);
    o->lines.Add("x");
    static_cast<TTestItem*>(o->items->Add())->exe = "v.exe";
    o->items->Add();
    auto* kid = new TTestComponent(o.get());
    kid->SetName("Kid");
    kid->onChange = "DoIt";
    static_cast<TTestItem*>(o->items->Items(1))->target = kid;
    o->link = kid;
    new TTestLeaf(kid);
    return o;
  }
};

TEST_F(Writer, WritesChangedPropertiesInDeclarationOrderThenChildren) {
  const std::string expected =
      "object Main: TTestComponent\r\n"
      "  Number = -7\r\n"
      "  Colour = clRed\r\n"
      "  Flag = True\r\n"
      "  Fruit = fr_Plum\r\n"
      "  Small = [op_One, op_Three]\r\n"
      "  Fruits = [fr_Pear]\r\n"
      "  Ext = 1.5\r\n"
      "  Sgl = 0.100000001490116\r\n"
      "  Cur = 12.3456\r\n"
      "  Dat = 45000.25\r\n"
      "  Text = 'It'#39's'\r\n"
      "  Wide = 'w'#1024\r\n"
      "  Rec.Lang = 'EN'\r\n"
      "  Rec.Names.Strings = (\r\n"
      "    'a')\r\n"
      "  Ints.BinList = {020000000100000005000000}\r\n"
      "  Lines.Strings = (\r\n"
      "    'x')\r\n"
      "  Items = <\r\n"
      "    item\r\n"
      "      Exe = 'v.exe'\r\n"
      "    end\r\n"
      "    item\r\n"
      "      Target = Kid\r\n"
      "    end>\r\n"
      "  Link = Kid\r\n"
      "  object Kid: TTestComponent\r\n"
      "    Number = 0\r\n"
      "    Items = <>\r\n"
      "    OnChange = DoIt\r\n"
      "    object TTestLeaf\r\n"
      "      Number = 0\r\n"
      "      Items = <>\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(ObjectToString(Sample().get()), expected);
}

TEST_F(Writer, EveryKindSurvivesARoundTrip) {
  auto original = Sample();
  const std::string text = ObjectToString(original.get());
  auto copy = CloneObject(original.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(ObjectToString(copy.get()), text);
  auto& c = static_cast<TTestComponent&>(*copy);
  EXPECT_EQ(c.colour, 255);
  EXPECT_EQ(c.small, 5);
  EXPECT_EQ(static_cast<float>(c.sgl), 0.1f);
  EXPECT_EQ(c.cur, 12.3456);
  EXPECT_EQ(c.text, "It's");
  EXPECT_EQ(c.wide, u"w\u0400");
  EXPECT_EQ(c.ints.Values(), (std::vector<int32_t>{1, 5}));
  EXPECT_EQ(c.link, c.Components(0));
  EXPECT_EQ(static_cast<TTestItem*>(c.items->Items(1))->target, c.Components(0));
  EXPECT_EQ(c.Components(0)->Components(0)->ClassName(), "TTestLeaf");
}

TEST_F(Writer, LongAndControlStringsRoundTrip) {
  TTestComponent o(nullptr);
  for (int i = 0; i < 300; ++i) o.text += static_cast<char>(i % 256);
  o.wide = std::u16string(100, u'\x3042');
  auto copy = CloneObject(&o);
  EXPECT_EQ(static_cast<TTestComponent&>(*copy).text, o.text);
  EXPECT_EQ(static_cast<TTestComponent&>(*copy).wide, o.wide);
}

TEST_F(Writer, IntegerListsChooseTheirStoredForm) {
  TTestComponent o(nullptr);
  o.ints.Add(1);
  o.ints.Add(5);
  o.ints.SetSaveBinary(false);
  o.ints.SetDuplicates(TDuplicates::dupAccept);
  const std::string text = ObjectToString(&o);
  EXPECT_NE(text.find("  Ints.SaveBinary = False\r\n  Ints.Duplicates = dupAccept\r\n"
                      "  Ints.StringList = (\r\n    '1'\r\n    '5')\r\n"),
            std::string::npos)
      << text;
  // Read back with StringList even though SaveBinary is true: written back as BinList.
  auto read = StringToObject("object TTestComponent\n Ints.StringList = ('3' '4')\nend");
  EXPECT_NE(ObjectToString(read.get()).find("Ints.BinList = {02000000030000000400000"),
            std::string::npos);
}

TEST_F(Writer, EmptyListsAndDefaultsWriteNothing) {
  TTestComponent o(nullptr);
  o.hidden = 9;  // a key whose stored predicate says no
  EXPECT_EQ(ObjectToString(&o), "object TTestComponent\r\n  Number = 0\r\n  Items = <>\r\nend\r\n");
  EXPECT_EQ(ObjectToString(nullptr), "");
  EXPECT_EQ(CloneObject(nullptr), nullptr);
}

TEST_F(Writer, WriteObjectsSkipsAbsentObjects) {
  TTestComponent a(nullptr), b(nullptr);
  a.SetName("A");
  b.SetName("B");
  TMemoryStream out;
  WriteObjects(out, {&a, nullptr, &b});
  TMemoryStream in(out.Data());
  TObjectList list;
  StreamReadConfig(in, &list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1]->Name(), "B");
}

}  // namespace
}  // namespace cd::test

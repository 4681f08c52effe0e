// Reading stored properties from object text: every kind, qualified keys, extra values and
// the "Error reading" messages.
#include <gtest/gtest.h>

#include "config/config_io.h"
#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

class ReaderProperties : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }

  // The object of "object T: TTestComponent <body> end".
  static std::unique_ptr<TTestComponent> Read(const std::string& body) {
    std::unique_ptr<TComponent> c = StringToObject("object T: TTestComponent\n" + body + "\nend\n");
    return std::unique_ptr<TTestComponent>(static_cast<TTestComponent*>(c.release()));
  }
  static std::string Error(const std::string& body) {
    return MessageOf([&] { Read(body); });
  }
};

TEST_F(ReaderProperties, IntegersWithIdentifiers) {
  auto o = Read("Number = $FF\nColour = clred\nTag = -70000");
  EXPECT_EQ(o->number, 255);
  EXPECT_EQ(o->colour, 255);
  EXPECT_EQ(o->Tag(), -70000);
  EXPECT_EQ(Error("Colour = clPurple"), "Error reading T.Colour: Invalid property value");
  EXPECT_EQ(Error("Number = clRed"), "Error reading T.Number: Invalid property value");
  EXPECT_EQ(Error("Number = 'x'"), "Error reading T.Number: Invalid property value");
}

TEST_F(ReaderProperties, EnumerationsAndBooleans) {
  EXPECT_TRUE(Read("Flag = true")->flag);
  EXPECT_TRUE(Read("Flag = TRUE")->flag);
  EXPECT_FALSE(Read("Flag = False")->flag);
  EXPECT_EQ(Read("Fruit = FR_PLUM")->fruit, TFruit::frPlum);
  EXPECT_EQ(Error("Flag = 1"), "Error reading T.Flag: Invalid property value");
  EXPECT_EQ(Error("Fruit = fr_Kiwi"), "Error reading T.Fruit: Invalid property value");
  EXPECT_EQ(Error("Fruit = True"), "Error reading T.Fruit: Invalid property value");
}

TEST_F(ReaderProperties, Sets) {
  auto o = Read("Fruits = [fr_plum, FR_APPLE]\nSmall = [op_Three]");
  EXPECT_EQ(o->fruits, 0b101u);
  EXPECT_EQ(o->small, 0b100);
  EXPECT_EQ(Read("Fruits = [fr_Pear]\nFruits = []")->fruits, 0u);
  EXPECT_EQ(Error("Fruits = [fr_Pear, fr_Kiwi]"), "Error reading T.Fruits: Invalid property value");
  EXPECT_EQ(Error("Fruits = fr_Pear"), "Error reading T.Fruits: Invalid property value");
}

TEST_F(ReaderProperties, FloatsRejectSuffixedForms) {
  auto o = Read("Ext = 1.5\nSgl = 2\nCur = -0.25\nDat = 1E3");
  EXPECT_EQ(o->ext, 1.5);
  EXPECT_EQ(o->sgl, 2.0);
  EXPECT_EQ(o->cur, -0.25);
  EXPECT_EQ(o->dat, 1000.0);
  EXPECT_EQ(Error("Sgl = 1.5s"), "Error reading T.Sgl: Invalid property value");
  EXPECT_EQ(Error("Cur = 15000c"), "Error reading T.Cur: Invalid property value");
  EXPECT_EQ(Error("Dat = 2d"), "Error reading T.Dat: Invalid property value");
  EXPECT_EQ(Error("Ext = 'x'"), "Error reading T.Ext: Invalid property value");
}

TEST_F(ReaderProperties, StringsAndWideStrings) {
  EXPECT_EQ(Read("Text = 'It''s'")->text, "It's");
  EXPECT_EQ(Read("Text = 'a'#13#10'b'")->text, "a\r\nb");
  EXPECT_EQ(Read("Text = 'ab' +\n  'cd'")->text, "abcd");
  EXPECT_EQ(Read("Wide = 'x'#1234'y'")->wide, u"x\u04D2y");
  EXPECT_EQ(Read("Wide = 'plain'")->wide, u"plain");
  EXPECT_EQ(Read("Text = 'wide'#200")->text, "wide\xC8");
  EXPECT_EQ(Error("Text = 12"), "Error reading T.Text: Invalid property value");
}

TEST_F(ReaderProperties, QualifiedKeysFillOwnedSubObjects) {
  auto o = Read("Rec.Lang = 'EN'\nrec.count = 3\nRec.Names.Strings = (\n 'a'\n 'b')\n"
                "Lines.Strings = ('x')");
  EXPECT_EQ(o->rec.lang, "EN");
  EXPECT_EQ(o->rec.count, 3);
  EXPECT_EQ(o->rec.names.Items(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(o->lines.Items(), (std::vector<std::string>{"x"}));
  EXPECT_EQ(Error("Text.Lang = 'x'"), "Error reading T.Text.Lang: Invalid property path");
  EXPECT_EQ(Error("Link.Lang = 'x'"), "Error reading T.Link.Lang: Invalid property path");
  EXPECT_EQ(Error("Nope.Lang = 'x'"), "Error reading T.Nope.Lang: Property does not exist");
  EXPECT_EQ(Error("Rec.Nope = 1"), "Error reading T.Rec.Nope: Property does not exist");
  EXPECT_EQ(Error("Rec = 1"), "Error reading T.Rec: Invalid property value");
  EXPECT_EQ(Error("Lines.Strings = ('a' 1)"), "Error reading T.Lines.Strings: Invalid property value");
}

TEST_F(ReaderProperties, UnknownAndReadOnlyKeys) {
  EXPECT_EQ(Error("Colourx = 1"), "Error reading T.Colourx: Property does not exist");
  EXPECT_EQ(Error("ReadOnly = 'x'"), "Error reading T.ReadOnly: Property is read-only");
  EXPECT_EQ(MessageOf([] { StringToObject("object TTestComponent\n Colourx = 1\nend"); }),
            "Error reading TTestComponent.Colourx: Property does not exist");
}

TEST_F(ReaderProperties, IntegerListsInBothStoredForms) {
  EXPECT_EQ(Read("Ints.BinList = {020000000100000005000000}")->ints.Values(),
            (std::vector<int32_t>{1, 5}));
  auto o = Read("Ints.StringList = ('3' '4')\nInts.Duplicates = dupError");
  EXPECT_EQ(o->ints.Values(), (std::vector<int32_t>{3, 4}));
  EXPECT_TRUE(o->ints.SaveBinary());
  EXPECT_EQ(o->ints.Duplicates(), TDuplicates::dupError);
  EXPECT_EQ(Error("Ints.StringList = ('3x')"),
            "Error reading T.Ints.StringList: '3x' is not a valid integer value");
  EXPECT_EQ(Error("Ints.BinList = {0500000001000000}"),
            "Error reading T.Ints.BinList: Stream read error");
}

TEST_F(ReaderProperties, CollectionsAreRefilledOnlyByNonEmptyValues) {
  auto o = Read("Items = <item Exe = 'a' end item Exe = 'b' end item Exe = 'c' end>\n"
                "Items = <item [7] Exe = 'x' Size = 2 end\n item end>");
  ASSERT_EQ(o->items->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(o->items->Items(0))->exe, "x");
  EXPECT_EQ(static_cast<TTestItem*>(o->items->Items(0))->size, 2);
  EXPECT_EQ(static_cast<TTestItem*>(o->items->Items(1))->exe, "");
  auto kept = Read("Items = <item Exe = 'a' end>\nItems = <>");
  EXPECT_EQ(kept->items->Count(), 1);
  EXPECT_EQ(Error("Items = <item Size = 'big' end>"),
            "Error reading T.Items: Error reading TTestItem.Size: Invalid property value");
  EXPECT_EQ(Error("Items = 3"), "Error reading T.Items: Invalid property value");
}

TEST_F(ReaderProperties, EventsKeepTheHandlerName) {
  EXPECT_EQ(Read("OnChange = DoChange")->onChange, "DoChange");
  EXPECT_EQ(Read("OnChange = DoChange\nOnChange = nil")->onChange, "");
}

}  // namespace
}  // namespace cd::test

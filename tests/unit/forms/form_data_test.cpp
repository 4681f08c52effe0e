// The data object and item collection of a form's data, chosen by class name.
#include "forms/form_data.h"

#include <gtest/gtest.h>

#include "config/config_io.h"
#include "support/message_of.h"
#include "unit/forms/test_forms.h"

namespace cd {
namespace {

class TTestData : public TFormDataObj {
 public:
  explicit TTestData(TComponent* owner) : TFormDataObj(owner) {}
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTestData>("TTestData", &TFormDataObj::StaticClass())
            .Int("Value", &TTestData::value_)
            .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  int32_t value_ = 0;
};

class TTestDataItem : public TCollectionItem {
 public:
  explicit TTestDataItem(TCollection* c) : TCollectionItem(c) {}
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTestDataItem>("TTestDataItem", &TCollectionItem::StaticClass())
            .Str("Text", &TTestDataItem::text_)
            .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  std::string text_;
};

class FormData : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterTestForms();
    RegisterClass(TTestData::StaticClass());
    RegisterClass(TTestDataItem::StaticClass());
  }
  TFormData data{nullptr};
};

TEST_F(FormData, DataClassCreatesReplacesAndFreesTheDataObject) {
  EXPECT_EQ(data.DataClass(), "None");
  data.SetDataClass("ttestdata");
  ASSERT_NE(data.Data(), nullptr);
  EXPECT_EQ(data.DataClass(), "TTestData");
  EXPECT_EQ(data.Data()->FormData(), &data);
  TFormDataObj* first = data.Data();
  data.SetDataClass("TTESTDATA");  // the same class: nothing changes
  EXPECT_EQ(data.Data(), first);
  data.SetDataClass("TFormDataObj");
  EXPECT_EQ(data.DataClass(), "TFormDataObj");
  data.SetDataClass("nOnE");
  EXPECT_EQ(data.Data(), nullptr);
}

TEST_F(FormData, ItemClassMakesACollectionOfThatItemClass) {
  EXPECT_EQ(data.ItemClass(), "None");
  data.SetItemClass("TTestDataItem");
  ASSERT_NE(data.Items(), nullptr);
  EXPECT_EQ(data.Items()->GetOwner(), &data);
  EXPECT_EQ(data.Items()->Add()->ClassName(), "TTestDataItem");
  data.SetItemClass("None");
  EXPECT_EQ(data.Items(), nullptr);
}

TEST_F(FormData, UnknownOrUnfitClassesAreNotFoundAndKeepWhatWasThere) {
  data.SetDataClass("TTestData");
  for (const char* name : {"TNoSuchClass", "TLabel", "TTestDataItem"})
    EXPECT_EQ(test::MessageOf([&] { data.SetDataClass(name); }),
              std::string("Class ") + name + " not found.");
  EXPECT_EQ(data.DataClass(), "TTestData");
  for (const char* name : {"TNoSuchClass", "TTestData"})
    EXPECT_EQ(test::MessageOf([&] { data.SetItemClass(name); }),
              std::string("Class ") + name + " not found.");
}

TEST_F(FormData, StoredDataReadsBackTheSame) {
  const std::string text =
      "object Data: TFormData\n"
      "  DataClass = 'TTestData'\n"
      "  Data.Value = 3\n"
      "  ItemClass = 'TTestDataItem'\n"
      "  Items = <\n"
      "    item\n"
      "      Text = 'one'\n"
      "    end>\n"
      "  Descr = 'described'\n"
      "end\n";
  std::unique_ptr<TComponent> read = StringToObject(text);
  EXPECT_EQ(test::WithLf(ObjectToString(read.get())), text);
}

}  // namespace
}  // namespace cd

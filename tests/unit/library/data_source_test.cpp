// The data sources of a library card: the value kind chosen by DataSourceType, and equality
// of values by kind and location only.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "library/book_card.h"
#include "library/cdrom_source_value.h"
#include "library/disc_source_value.h"
#include "library/file_source_value.h"
#include "support/message_of.h"

namespace cd {
namespace {

TEST(DataSourceItemTest, ValueKindFollowsTheType) {
  TBookCard card(nullptr);
  TDataSourceItem* item = card.DataSources().Add();
  EXPECT_FALSE(item->HasValue());
  EXPECT_EQ(item->DataSourceType(), 0);
  EXPECT_EQ(&item->Value().ClassType(), &TCDRomSourceValue::StaticClass());

  item->SetDataSourceType(1);
  EXPECT_EQ(&item->Value().ClassType(), &TDiscSourceValue::StaticClass());
  TDataSourceValue* disc = &item->Value();
  item->SetDataSourceType(1);  // same type: the value stays
  EXPECT_EQ(&item->Value(), disc);

  item->SetDataSourceType(5);
  EXPECT_FALSE(item->HasValue());
  EXPECT_EQ(item->DataSourceType(), 0);
  EXPECT_EQ(&item->Value().ClassType(), &TCDRomSourceValue::StaticClass());
}

TEST(DataSourceItemTest, OtherValueClassHasNoType) {
  TBookCard card(nullptr);
  TDataSourceItem* item = card.DataSources().Add();
  item->SetValue(std::make_unique<TFileSourceValue>());
  EXPECT_EQ(test::MessageOf([&] { item->DataSourceType(); }),
            "TDataSourceItem.Get_IDataSourceType");
}

TEST(DataSourceValueTest, EqualityComparesKindAndLocationWithoutCase) {
  TCDRomSourceValue a, b;
  a.SetPath("\\Data\\Course");
  b.SetPath("\\DATA\\course");
  a.SetVolLab("COURSE1");
  b.SetVolLab("course1");
  a.SetPriority(1);
  b.SetPriority(9);
  b.SetSourceDescr("other");
  EXPECT_TRUE(a.Equals(&b));
  EXPECT_FALSE(a.Equals(nullptr));
  b.SetVolLab("COURSE2");
  EXPECT_FALSE(a.Equals(&b));

  TDiscSourceValue disc;
  disc.SetPath("\\Data\\Course");
  EXPECT_FALSE(a.Equals(&disc));
  EXPECT_FALSE(disc.Equals(&a));
  TDiscSourceValue otherDrive;
  otherDrive.SetPath("\\data\\course");
  otherDrive.SetDrive("E:");
  EXPECT_FALSE(disc.Equals(&otherDrive));
  disc.SetDrive("e:");
  EXPECT_TRUE(disc.Equals(&otherDrive));
}

}  // namespace
}  // namespace cd

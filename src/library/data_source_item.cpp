// TDataSourceItem: stored keys and the value kind chosen by its type.
#include "library/data_source_item.h"

#include "base/exceptions.h"
#include "library/cdrom_source_value.h"
#include "library/disc_source_value.h"

namespace cd {

const TClassInfo& TDataSourceItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDataSourceItem>("TDataSourceItem", &TCollectionItem::StaticClass())
          .Str("DataDescription", &TDataSourceItem::dataDescription_)
          .Str("CommandLine", &TDataSourceItem::commandLine_)
          // Read before Value, so the reader creates the right kind of value and then fills it.
          .Int(
              "DataSourceType", [](const TDataSourceItem& i) { return i.DataSourceType(); },
              [](TDataSourceItem& i, int32_t v) { i.SetDataSourceType(v); })
          .Object("Value", [](TDataSourceItem& i) { return &i.Value(); })
          .Build();
  return info;
}

TDataSourceItem::TDataSourceItem(TCollection* collection) : TCollectionItem(collection) {}

TDataSourceItem::~TDataSourceItem() = default;

int32_t TDataSourceItem::DataSourceType() const {
  if (!value_ || &value_->ClassType() == &TCDRomSourceValue::StaticClass()) return 0;
  if (&value_->ClassType() == &TDiscSourceValue::StaticClass()) return 1;
  throw Exception("TDataSourceItem.Get_IDataSourceType");
}

void TDataSourceItem::SetDataSourceType(int32_t type) {
  if (type == DataSourceType()) return;
  value_.reset();
  if (type == 1) value_ = std::make_unique<TDiscSourceValue>();
}

TDataSourceValue& TDataSourceItem::Value() {
  if (!value_) value_ = std::make_unique<TCDRomSourceValue>();
  return *value_;
}

}  // namespace cd

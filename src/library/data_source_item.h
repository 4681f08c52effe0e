// TDataSourceItem: one place where a library card's title data can be found, with the kind of
// its value chosen by DataSourceType.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "config/collection_item.h"
#include "library/data_source_value.h"

namespace cd {

class TDataSourceItem : public TCollectionItem {
 public:
  explicit TDataSourceItem(TCollection* collection);
  ~TDataSourceItem() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& DataDescription() const { return dataDescription_; }
  void SetDataDescription(const std::string& v) { dataDescription_ = v; }
  const std::string& CommandLine() const { return commandLine_; }
  void SetCommandLine(const std::string& v) { commandLine_ = v; }
  // 0 for no value or a TCDRomSourceValue, 1 for a TDiscSourceValue; any other value class
  // fails with "TDataSourceItem.Get_IDataSourceType".
  int32_t DataSourceType() const;
  // A different type frees the value; 1 creates a TDiscSourceValue, others leave it empty.
  void SetDataSourceType(int32_t type);
  // The value; an empty one is first replaced by a new TCDRomSourceValue.
  TDataSourceValue& Value();
  bool HasValue() const { return value_ != nullptr; }
  void SetValue(std::unique_ptr<TDataSourceValue> value) { value_ = std::move(value); }

 private:
  std::string dataDescription_;
  std::string commandLine_;
  std::unique_ptr<TDataSourceValue> value_;
};

}  // namespace cd

// TOMRowItem: one item of an object map row: a description with its value, and in the
// coloured mode any extra values shown under it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "config/collection_item.h"
#include "config/string_list.h"

namespace cd {

class TOMRowItem : public TCollectionItem {
 public:
  explicit TOMRowItem(TCollection* collection);
  ~TOMRowItem() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Id() const { return id_; }
  void SetId(int32_t v) { id_ = v; }
  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }
  const std::string& Value() const { return value_; }
  void SetValue(const std::string& v) { value_ = v; }
  // The extra values (not stored), created on first use.
  TStringList& Values();
  int ValueCount() const { return values_ ? values_->Count() : 0; }

 private:
  int32_t id_ = 0;
  std::string descr_;
  std::string value_;
  std::unique_ptr<TStringList> values_;
};

}  // namespace cd

// TOMRow: one row of an object map frame: its items side by side, or, when Html is set, that
// markup in their place.
#pragma once

#include <memory>
#include <string>

#include "config/collection.h"
#include "objmap/om_row_item.h"

namespace cd {

class TOMRow : public TCollectionItem {
 public:
  explicit TOMRow(TCollection* collection);
  ~TOMRow() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TCollection& RowItems() const { return *rowItems_; }
  int ItemCount() const { return rowItems_->Count(); }
  TOMRowItem& Item(int index) const { return static_cast<TOMRowItem&>(*rowItems_->Items(index)); }
  // Markup that replaces the items in the output (not stored).
  const std::string& Html() const { return html_; }
  void SetHtml(const std::string& v) { html_ = v; }

 private:
  std::unique_ptr<TCollection> rowItems_;
  std::string html_;
};

}  // namespace cd

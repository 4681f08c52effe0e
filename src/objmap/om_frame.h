// TOMFrame: one frame of an object map: a title, rows of items, and its nested frames (its
// children, in order).
#pragma once

#include <memory>
#include <string>

#include "config/collection.h"
#include "install/component_list.h"
#include "objmap/om_row.h"

namespace cd {

class TOMFrame : public TComponentList {
 public:
  explicit TOMFrame(TComponent* owner);
  ~TOMFrame() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Id() const { return id_; }
  void SetId(const std::string& v) { id_ = v; }
  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }
  TCollection& Rows() const { return *rows_; }
  TOMRow& Row(int index) const { return static_cast<TOMRow&>(*rows_->Items(index)); }

 private:
  std::string id_;
  std::string descr_;
  std::unique_ptr<TCollection> rows_;
};

// A new row appended to the frame's rows.
TOMRow& AddRow(TOMFrame& frame);
// A new item with those values appended to the row's items.
TOMRowItem& AddItem(TOMRow& row, int32_t id, const std::string& descr, const std::string& value);

}  // namespace cd

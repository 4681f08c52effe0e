// TOMFrame: stored keys, and building a map row by row.
#include "objmap/om_frame.h"

namespace cd {

const TClassInfo& TOMFrame::StaticClass() {
  static const TClassInfo info = TClassBuilder<TOMFrame>("TOMFrame", &TComponentList::StaticClass())
                                     .Str("Id", &TOMFrame::id_)
                                     .Str("Descr", &TOMFrame::descr_)
                                     .Collection("Rows", [](TOMFrame& f) { return f.rows_.get(); })
                                     .Build();
  return info;
}

TOMFrame::TOMFrame(TComponent* owner)
    : TComponentList(owner), rows_(MakeCollection<TOMRow>(this)) {}

TOMFrame::~TOMFrame() = default;

TOMRow& AddRow(TOMFrame& frame) {
  return static_cast<TOMRow&>(*frame.Rows().Add());
}

TOMRowItem& AddItem(TOMRow& row, int32_t id, const std::string& descr, const std::string& value) {
  auto& item = static_cast<TOMRowItem&>(*row.RowItems().Add());
  item.SetId(id);
  item.SetDescr(descr);
  item.SetValue(value);
  return item;
}

}  // namespace cd

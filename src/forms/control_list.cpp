// TControlList: keeps the controls among the nested components.
#include "forms/control_list.h"

namespace cd {

void TControlList::Add(TComponent* child) {
  if (auto* control = dynamic_cast<TControl*>(child)) items_.push_back(control);
}

void TControlList::ForEach(const std::function<void(TComponent*)>& proc) const {
  for (TControl* control : items_) proc(control);
}

}  // namespace cd

// TControlList: the controls nested in a form or a panel, in reading order. Not owned: the
// form owns every control of its layout, whichever panel shows it.
#pragma once

#include <functional>
#include <vector>

#include "forms/control.h"

namespace cd {

class TControlList {
 public:
  void Add(TComponent* child);
  const std::vector<TControl*>& Items() const { return items_; }
  void ForEach(const std::function<void(TComponent*)>& proc) const;

 private:
  std::vector<TControl*> items_;
};

}  // namespace cd

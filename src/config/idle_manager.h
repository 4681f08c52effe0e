// TIdleManager: the process-wide list of idle handlers, all called on the application's idle
// event.
#pragma once

#include <memory>

#include "config/collection.h"
#include "config/idle_item.h"

namespace cd {

class TIdleManager {
 public:
  TIdleManager();
  ~TIdleManager();
  TIdleManager(const TIdleManager&) = delete;
  TIdleManager& operator=(const TIdleManager&) = delete;

  static TIdleManager& Process();

  TCollection& Items() { return *items_; }
  // A new item with handler, called after the items already there.
  TIdleItem& Add(TIdleItem::THandler handler);
  // Calls every item's handler in collection order with the same sender and done flag. The
  // list is read as it stands at each call: a handler may delete or add items.
  void Idle(TPersistent* sender, bool& done);

 private:
  std::unique_ptr<TCollection> items_;
};

}  // namespace cd

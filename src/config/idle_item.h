// TIdleItem: one handler of the application's idle event in the idle manager's collection.
#pragma once

#include <functional>

#include "config/collection_item.h"

namespace cd {

class TIdleItem : public TCollectionItem {
 public:
  // Sender as the idle event got it; Done set to false asks for more idle calls.
  using THandler = std::function<void(TPersistent* sender, bool& done)>;

  explicit TIdleItem(TCollection* collection) : TCollectionItem(collection) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const THandler& OnIdle() const { return onIdle_; }
  void SetOnIdle(THandler handler) { onIdle_ = std::move(handler); }

 private:
  THandler onIdle_;
};

}  // namespace cd

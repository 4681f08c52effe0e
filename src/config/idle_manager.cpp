// TIdleManager: its items and the idle round over them.
#include "config/idle_manager.h"

namespace cd {

TIdleManager::TIdleManager() : items_(MakeCollection<TIdleItem>(nullptr)) {}

TIdleManager::~TIdleManager() = default;

TIdleManager& TIdleManager::Process() {
  static TIdleManager manager;
  return manager;
}

TIdleItem& TIdleManager::Add(TIdleItem::THandler handler) {
  auto& item = static_cast<TIdleItem&>(*items_->Add());
  item.SetOnIdle(std::move(handler));
  return item;
}

void TIdleManager::Idle(TPersistent* sender, bool& done) {
  // By index, read again each time: a handler may delete or add items.
  for (int i = 0; i < items_->Count(); ++i) {
    const TIdleItem::THandler handler = static_cast<TIdleItem*>(items_->Items(i))->OnIdle();
    if (handler) handler(sender, done);
  }
}

}  // namespace cd

// TIdleManager: its items and the idle round over them.
#include "config/idle_manager.h"

#include "platform/messages.h"

namespace cd {

TIdleManager::TIdleManager() : items_(MakeCollection<TIdleItem>(nullptr)) {}

TIdleManager::~TIdleManager() = default;

// The process's manager answers the application's idle event from its creation on.
TIdleManager& TIdleManager::Process() {
  static TIdleManager& manager = *[] {
    static TIdleManager instance;
    os::SetIdleHandler([](bool& done) { instance.Idle(nullptr, done); });
    return &instance;
  }();
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

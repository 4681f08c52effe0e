// TMyTimer: its stored keys and its registration with the timer manager.
#include "config/my_timer.h"

#include "config/class_info.h"
#include "config/timer_manager.h"

namespace cd {

TMyTimer::TMyTimer(TComponent* owner) : TMyTimer(owner, TTimerManager::Process()) {}

TMyTimer::TMyTimer(TComponent* owner, TTimerManager& manager)
    : TComponent(owner), manager_(&manager) {}

TMyTimer::~TMyTimer() {
  SetEnabled(false);
}

const TClassInfo& TMyTimer::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMyTimer>("TMyTimer", &TComponent::StaticClass())
                                     .Event("OnTimer", &TMyTimer::onTimerName_)
                                     .Int("Interval", &TMyTimer::Interval, &TMyTimer::SetInterval)
                                     .Bool("Enabled", &TMyTimer::Enabled, &TMyTimer::SetEnabled)
                                     .Bool("KeepPlane", &TMyTimer::keepPlane_)
                                     .Build();
  return info;
}

void TMyTimer::SetInterval(int32_t value) {
  if (value >= 1) interval_ = value;
}

void TMyTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (value)
    manager_->Add(this);
  else
    manager_->Remove(this);
}

}  // namespace cd

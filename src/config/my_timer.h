// TMyTimer: a light-weight timer component; the shared timer manager calls its handler every
// Interval milliseconds while it is enabled.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "config/component.h"

namespace cd {

class TTimerManager;

class TMyTimer : public TComponent {
 public:
  // Called with the timer itself, or with nullptr for each period a KeepPlane timer missed.
  using THandler = std::function<void(TMyTimer* sender)>;

  // Driven by the process's timer manager.
  explicit TMyTimer(TComponent* owner);
  TMyTimer(TComponent* owner, TTimerManager& manager);
  ~TMyTimer() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const THandler& OnTimer() const { return onTimer_; }
  void SetOnTimer(THandler handler) { onTimer_ = std::move(handler); }
  int32_t Interval() const { return interval_; }
  // Values below 1 leave the interval as it is.
  void SetInterval(int32_t value);
  bool Enabled() const { return enabled_; }
  // Enabling puts the timer last in the manager's list and starts its period now.
  void SetEnabled(bool value);
  bool KeepPlane() const { return keepPlane_; }
  void SetKeepPlane(bool value) { keepPlane_ = value; }
  // The tick count of the last firing (of the enabling before the first).
  int32_t LastTick() const { return lastTick_; }
  TTimerManager& Manager() const { return *manager_; }

 private:
  friend class TTimerManager;
  // The stored name of the handler method; the handler itself is set in code.
  std::string onTimerName_;
  THandler onTimer_;
  int32_t interval_ = 0;
  bool enabled_ = false;
  bool keepPlane_ = false;
  int32_t lastTick_ = 0;
  bool visited_ = false;
  TTimerManager* manager_;
};

}  // namespace cd

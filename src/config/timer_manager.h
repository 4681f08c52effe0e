// TTimerManager: drives every enabled TMyTimer of the process from one system timer, which
// runs only while some timer is enabled.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace cd {

class TMyTimer;

class TTimerManager {
 public:
  // The current tick count in milliseconds (wrapping like a signed 32-bit value).
  using TTickSource = std::function<int32_t()>;
  // Turns the system timer on or off; while on, it calls Tick about every millisecond.
  using TSystemTimer = std::function<void(TTimerManager& manager, bool run)>;

  TTimerManager(TTickSource tickCount, TSystemTimer systemTimer);
  ~TTimerManager();
  TTimerManager(const TTimerManager&) = delete;
  TTimerManager& operator=(const TTimerManager&) = delete;

  // The manager of the process, over the platform's tick count and system timer.
  static TTimerManager& Process();

  int32_t TickCount() const { return tickCount_(); }
  // Examines every enabled timer once, also when handlers enable, disable or destroy timers.
  void Tick();
  bool SystemTimerOn() const { return systemTimerOn_; }
  // The enabled timers, in the order they were enabled.
  const std::vector<TMyTimer*>& Timers() const { return timers_; }

 private:
  friend class TMyTimer;
  // A timer whose handlers are being called; cleared when the timer leaves the list.
  struct TCheck {
    TMyTimer* timer;
    TCheck* outer;
  };

  TTickSource tickCount_;
  TSystemTimer systemTimer_;
  bool systemTimerOn_ = false;
  std::vector<TMyTimer*> timers_;
  TCheck* checks_ = nullptr;

  void Add(TMyTimer* timer);
  void Remove(TMyTimer* timer);
  void SwitchSystemTimer();
  void Check(TMyTimer& timer, int32_t now);
  // Calls the timer's handler; false when the timer left the list meanwhile.
  bool Fire(const TCheck& check, TMyTimer* sender);
};

}  // namespace cd

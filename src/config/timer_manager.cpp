// TTimerManager: the passes of a tick and the firing rule of one timer.
#include "config/timer_manager.h"

#include <algorithm>

#include "config/my_timer.h"
#include "platform/timers.h"

namespace cd {
namespace {

// The milliseconds from `from` to `to` on a clock that wraps at 32 bits. Comparing this
// difference (rather than from + interval against to) stays right across the wrap.
int32_t Elapsed(int32_t from, int32_t to) {
  return static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
}

int32_t Advance(int32_t tick, int32_t by) {
  return static_cast<int32_t>(static_cast<uint32_t>(tick) + static_cast<uint32_t>(by));
}

}  // namespace

TTimerManager::TTimerManager(TTickSource tickCount, TSystemTimer systemTimer)
    : tickCount_(std::move(tickCount)), systemTimer_(std::move(systemTimer)) {}

TTimerManager::~TTimerManager() {
  for (TMyTimer* timer : timers_) timer->enabled_ = false;
  timers_.clear();
  SwitchSystemTimer();
}

TTimerManager& TTimerManager::Process() {
  // Never destroyed: timers owned by objects that outlive main may still disable themselves,
  // and the thread's system timer is gone before static objects are destroyed.
  static TTimerManager* manager =
      new TTimerManager([] { return static_cast<int32_t>(os::TickCount()); },
                        [](TTimerManager& self, bool run) {
                          if (run)
                            os::StartSystemTimer([&self] { self.Tick(); });
                          else
                            os::StopSystemTimer();
                        });
  return *manager;
}

void TTimerManager::Add(TMyTimer* timer) {
  timer->lastTick_ = TickCount();
  timer->visited_ = false;
  timers_.push_back(timer);
  SwitchSystemTimer();
}

void TTimerManager::Remove(TMyTimer* timer) {
  std::erase(timers_, timer);
  for (TCheck* check = checks_; check; check = check->outer) {
    if (check->timer == timer) check->timer = nullptr;
  }
  SwitchSystemTimer();
}

void TTimerManager::SwitchSystemTimer() {
  const bool run = !timers_.empty();
  if (run == systemTimerOn_) return;
  systemTimerOn_ = run;
  if (systemTimer_) systemTimer_(*this, run);
}

void TTimerManager::Tick() {
  const int32_t now = TickCount();
  for (TMyTimer* timer : timers_) timer->visited_ = false;
  // Handlers may change the list; passes repeat until one finds no timer left to examine.
  bool examined = true;
  while (examined && !timers_.empty()) {
    examined = false;
    for (size_t i = 0; i < timers_.size(); ++i) {
      TMyTimer* timer = timers_[i];
      if (timer->visited_) continue;
      timer->visited_ = true;
      examined = true;
      Check(*timer, now);
    }
  }
}

void TTimerManager::Check(TMyTimer& timer, int32_t now) {
  if (!timer.onTimer_ || timer.interval_ < 1) return;
  if (Elapsed(timer.lastTick_, now) < timer.interval_) return;
  TCheck check{&timer, checks_};
  checks_ = &check;
  struct Pop {
    TCheck*& checks;
    TCheck* outer;
    ~Pop() { checks = outer; }
  } pop{checks_, check.outer};

  if (!timer.keepPlane_) {
    timer.lastTick_ = now;
    Fire(check, &timer);
    return;
  }
  // One call without sender for each missed period, then the due one; a handler that
  // disables or destroys the timer ends the calls.
  while (Elapsed(timer.lastTick_, now) > 2 * int64_t{timer.interval_}) {
    timer.lastTick_ = Advance(timer.lastTick_, timer.interval_);
    if (!Fire(check, nullptr)) return;
  }
  timer.lastTick_ = Advance(timer.lastTick_, timer.interval_);
  Fire(check, &timer);
}

bool TTimerManager::Fire(const TCheck& check, TMyTimer* sender) {
  if (!check.timer->onTimer_) return false;
  // A copy: the handler may replace itself.
  const TMyTimer::THandler handler = check.timer->onTimer_;
  handler(sender);
  return check.timer != nullptr;
}

}  // namespace cd

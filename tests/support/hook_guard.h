// A process-wide hook set for the life of a scope. The hook it replaced comes back when the
// guard goes, also when the test fails by an exception, so that no later test calls a hook
// that captured the locals of a test already gone.
#pragma once

#include <utility>

namespace cd::test {

template <class Hook>
class HookGuard {
 public:
  // A hook kept in a slot (the accessors such as OnTranslate() return the slot).
  template <class F>
  HookGuard(Hook& slot, F&& hook)
      : slot_(&slot), previous_(std::exchange(slot, Hook(std::forward<F>(hook)))) {}
  // A hook behind a setter that returns the hook it replaces.
  template <class F>
  HookGuard(Hook (*set)(Hook), F&& hook) : set_(set), previous_(set(Hook(std::forward<F>(hook)))) {}
  ~HookGuard() {
    if (slot_)
      *slot_ = std::move(previous_);
    else
      set_(std::move(previous_));
  }
  HookGuard(const HookGuard&) = delete;
  HookGuard& operator=(const HookGuard&) = delete;

 private:
  Hook* slot_ = nullptr;
  Hook (*set_)(Hook) = nullptr;
  Hook previous_;
};

template <class Hook, class F>
HookGuard(Hook&, F&&) -> HookGuard<Hook>;

}  // namespace cd::test

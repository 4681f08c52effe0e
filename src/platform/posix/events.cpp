// Named events on POSIX: a process-wide table of shared flags with a condition variable.
#include "platform/events.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>

#include "platform/posix/event_impl.h"

namespace cd::os {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::string, std::weak_ptr<posix::EventState>> byName;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

NamedEvent::NamedEvent(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
NamedEvent::~NamedEvent() = default;

std::unique_ptr<NamedEvent> NamedEvent::Create(const std::string& name, bool manualReset,
                                               bool initiallySignalled) {
  auto impl = std::make_unique<Impl>();
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  if (!name.empty()) impl->state = registry.byName[name].lock();
  if (!impl->state) {
    impl->state = std::make_shared<posix::EventState>();
    impl->state->manualReset = manualReset;
    impl->state->signalled = initiallySignalled;
    if (!name.empty()) registry.byName[name] = impl->state;
  }
  return std::unique_ptr<NamedEvent>(new NamedEvent(std::move(impl)));
}

std::unique_ptr<NamedEvent> NamedEvent::Open(const std::string& name) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  auto found = registry.byName.find(name);
  if (name.empty() || found == registry.byName.end()) return nullptr;
  auto impl = std::make_unique<Impl>();
  impl->state = found->second.lock();
  if (!impl->state) return nullptr;
  return std::unique_ptr<NamedEvent>(new NamedEvent(std::move(impl)));
}

void NamedEvent::Set() {
  posix::EventState& s = *impl_->state;
  std::lock_guard<std::mutex> lock(s.mutex);
  s.signalled = true;
  s.changed.notify_all();
}

void NamedEvent::Reset() {
  posix::EventState& s = *impl_->state;
  std::lock_guard<std::mutex> lock(s.mutex);
  s.signalled = false;
}

bool NamedEvent::Wait(int timeoutMs) {
  posix::EventState& s = *impl_->state;
  std::unique_lock<std::mutex> lock(s.mutex);
  const auto isSet = [&s] { return s.signalled; };
  if (timeoutMs < 0) {
    s.changed.wait(lock, isSet);
  } else if (!s.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet)) {
    return false;
  }
  if (!s.manualReset) s.signalled = false;
  return true;
}

}  // namespace cd::os

// Named events over CreateEventA and OpenEventA.
#include "platform/events.h"

#include "base/exceptions.h"
#include "platform/win32/event_impl.h"
#include "platform/win32/win_error.h"

namespace cd::os {

NamedEvent::NamedEvent(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

NamedEvent::~NamedEvent() {
  CloseHandle(impl_->handle);
}

std::unique_ptr<NamedEvent> NamedEvent::Create(const std::string& name, bool manualReset,
                                               bool initiallySignalled) {
  auto impl = std::make_unique<Impl>();
  impl->handle =
      CreateEventA(nullptr, manualReset, initiallySignalled, name.empty() ? nullptr : name.c_str());
  if (!impl->handle) {
    throw Exception("Cannot create event \"" + name + "\": " + win32::LastErrorText());
  }
  return std::unique_ptr<NamedEvent>(new NamedEvent(std::move(impl)));
}

std::unique_ptr<NamedEvent> NamedEvent::Open(const std::string& name) {
  if (name.empty()) return nullptr;
  HANDLE handle = OpenEventA(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, name.c_str());
  if (!handle) return nullptr;
  auto impl = std::make_unique<Impl>();
  impl->handle = handle;
  return std::unique_ptr<NamedEvent>(new NamedEvent(std::move(impl)));
}

void NamedEvent::Set() {
  SetEvent(impl_->handle);
}

void NamedEvent::Reset() {
  ResetEvent(impl_->handle);
}

bool NamedEvent::Wait(int timeoutMs) {
  const DWORD limit = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
  return WaitForSingleObject(impl_->handle, limit) == WAIT_OBJECT_0;
}

}  // namespace cd::os

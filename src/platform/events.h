// Named events (CreateEventA/OpenEventA). On Windows the name is shared by every process of
// the session; on POSIX it is shared inside the process only.
#pragma once

#include <memory>
#include <string>

namespace cd::os {

class NamedEvent {
 public:
  // Creates the event, or opens it when one of that name exists (its reset kind and state
  // then stay as they are). An empty name makes an unnamed event. Fails naming the event.
  static std::unique_ptr<NamedEvent> Create(const std::string& name, bool manualReset,
                                            bool initiallySignalled);
  // Opens an existing event; nothing when there is none.
  static std::unique_ptr<NamedEvent> Open(const std::string& name);
  ~NamedEvent();
  NamedEvent(const NamedEvent&) = delete;
  NamedEvent& operator=(const NamedEvent&) = delete;

  void Set();
  void Reset();
  // Waits at most timeoutMs milliseconds (negative: no limit); true when it was signalled.
  // An automatic-reset event is reset by the wait that sees it signalled.
  bool Wait(int timeoutMs);

  struct Impl;  // the platform's event; defined by each implementation
  Impl& Native() { return *impl_; }

 private:
  explicit NamedEvent(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace cd::os

// The state behind a POSIX NamedEvent. Internal to the POSIX layer.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/events.h"

namespace cd::os {
namespace posix {

struct EventState {
  std::mutex mutex;
  std::condition_variable changed;
  bool manualReset = true;
  bool signalled = false;
};

}  // namespace posix

struct NamedEvent::Impl {
  std::shared_ptr<posix::EventState> state;
};

}  // namespace cd::os

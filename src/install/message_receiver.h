// IMessageReceiver: a component that handles the messages a component list broadcasts down
// its tree, and TBroadcastMessage, the message it receives.
#pragma once

#include <cstdint>

namespace cd {

// A message delivered down a tree of lists by Broadcast.
struct TBroadcastMessage {
  uint32_t msg = 0;
  int64_t wParam = 0;
  int64_t lParam = 0;
  int64_t result = 0;
};

// A component that handles broadcast messages. Children of a list that do not implement it
// are skipped by plain delivery.
class IMessageReceiver {
 public:
  virtual void Dispatch(TBroadcastMessage& message) = 0;

 protected:
  ~IMessageReceiver() = default;
};

}  // namespace cd

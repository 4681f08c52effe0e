// WaitWithMessageLoop over the platform's message queue.
#include "util/wait_message_loop.h"

#include "base/exceptions.h"
#include "platform/messages.h"

namespace cd {

void WaitWithMessageLoop(os::NamedEvent& event) {
  if (!os::WaitWithMessageLoop(event)) throw Exception("LowUtils.WaitWithMessageLoop");
}

}  // namespace cd

// Waiting for an event while the user interface stays alive.
#pragma once

namespace cd {
namespace os {
class NamedEvent;
}

// Waits without time limit for the event, handling the messages that arrive meanwhile;
// fails with "LowUtils.WaitWithMessageLoop" when the wait itself fails. Call it as
// cd::WaitWithMessageLoop: the platform's function of that name is found for the argument too.
void WaitWithMessageLoop(os::NamedEvent& event);

}  // namespace cd

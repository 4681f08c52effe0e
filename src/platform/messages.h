// The thread's message queue: handling pending messages, queued tasks, and waiting on an event
// while the user interface stays alive. On POSIX the queue holds only the queued tasks.
#pragma once

#include <functional>

#include "platform/events.h"

namespace cd::os {

// Handles every pending message of the thread (PeekMessageA, TranslateMessage,
// DispatchMessageA on Windows), including the tasks queued with PostTask, and returns.
void ProcessMessages();

// Queues task (from the user-interface thread) to run when that thread's messages are next
// handled: by ProcessMessages or, on Windows, by any message loop (a modal dialog's too).
void PostTask(std::function<void()> task);

// Waits without time limit until the event is signalled, handling messages as they arrive
// (MsgWaitForMultipleObjects on Windows). False when the wait itself fails. On POSIX this is
// the program's message loop, and it raises the idle event as the modal loops do on Windows.
bool WaitWithMessageLoop(NamedEvent& event);

// The application's idle event: raised by the program's message loops (the modal loops of
// the windows on Windows) each time they find the queue empty, before they wait for the next
// message. The handler clears done (it starts set) when it has more to do: the loop then
// handles what came meanwhile and raises the event again instead of waiting.
using IdleHandler = std::function<void(bool& done)>;
void SetIdleHandler(IdleHandler handler);
// Raises the idle event; true when the handler is done (or there is none).
bool RaiseIdle();

}  // namespace cd::os

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
// (MsgWaitForMultipleObjects on Windows). False when the wait itself fails.
bool WaitWithMessageLoop(NamedEvent& event);

}  // namespace cd::os

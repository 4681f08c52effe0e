// The Windows message queue: PeekMessageA pumping, tasks through a message-only window, and
// MsgWaitForMultipleObjects.
#include "platform/messages.h"

#include <memory>

#include "base/exceptions.h"
#include "platform/win32/event_impl.h"
#include "platform/win32/timer_failure.h"

namespace cd::os {
namespace {

constexpr UINT kRunTaskMessage = WM_APP + 0x3C1;
constexpr char kTaskWindowClass[] = "CdRunTaskWindow";

LRESULT CALLBACK TaskWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunTaskMessage) return DefWindowProcA(window, message, wParam, lParam);
  std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
  (*task)();
  return 0;
}

// The message-only window of this thread that runs posted tasks (created on first use).
HWND TaskWindow() {
  thread_local HWND window = nullptr;
  if (window) return window;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = TaskWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kTaskWindowClass;
  RegisterClassA(&windowClass);  // fails harmlessly when another thread registered it
  window = CreateWindowExA(0, kTaskWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
  if (!window) throw Exception("Cannot create the task window of the message queue");
  return window;
}

}  // namespace

void ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  win32::RethrowTimerFailure();
}

void PostTask(std::function<void()> task) {
  auto owned = std::make_unique<std::function<void()>>(std::move(task));
  if (!PostMessageA(TaskWindow(), kRunTaskMessage, 0, reinterpret_cast<LPARAM>(owned.get()))) {
    throw Exception("Cannot post a task to the message queue");
  }
  owned.release();  // the window procedure owns it now
}

bool WaitWithMessageLoop(NamedEvent& event) {
  HANDLE handle = event.Native().handle;
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    ProcessMessages();
  }
}

}  // namespace cd::os

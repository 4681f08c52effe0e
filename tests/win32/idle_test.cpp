// The application's idle event from a window's modal loop: raised when the queue is empty,
// raised again at once while the handler has more to do, and the loop ends normally after.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/messages.h"
#include "platform/win32/form_window.h"

namespace cd {
namespace {

TEST(IdleEvent, TheModalLoopRaisesItUntilTheHandlerIsDone) {
  HWND window = CreateWindowExW(0, L"STATIC", L"cdrun idle", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  bool closed = false;
  int calls = 0;
  os::SetIdleHandler([&](bool& done) {
    done = ++calls >= 3;
    if (done) os::win32::EndModal(window, closed);
  });
  os::win32::RunModalLoop(window, closed);
  os::SetIdleHandler({});
  DestroyWindow(window);
  EXPECT_TRUE(closed);
  EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace cd

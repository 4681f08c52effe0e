// Real windows: the single-instance test, message boxes, and the message queue as the
// platform layer pumps it.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/messages.h"

namespace cd::os {
namespace {

constexpr UINT kPingMessage = WM_USER + 7;
std::atomic<int> pings{0};
NamedEvent* eventToSet = nullptr;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPingMessage) {
    ++pings;
    if (eventToSet) eventToSet->Set();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A registered class and a window of it; top-level and shown unless a parent is given.
class TestWindow {
 public:
  TestWindow(const char* className, HWND parent = nullptr) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    window_ = CreateWindowExA(0, className, "cdrun test", style, 10, 10, 200, 100, parent, nullptr,
                              windowClass.hInstance, nullptr);
  }
  ~TestWindow() { DestroyWindow(window_); }
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

// Presses a button of the message box with the caption once it appears (from another thread),
// first waiting delayMs; gives up after ten seconds or when stop is set.
std::thread AnswerMessageBox(const std::string& caption, int button, int delayMs = 0,
                             const std::atomic<bool>* stop = nullptr) {
  return std::thread([caption, button, delayMs, stop] {
    for (int waited = 0; waited < delayMs && !(stop && *stop); waited += 20) Sleep(20);
    for (int i = 0; i < 500 && !(stop && *stop); ++i) {
      if (HWND box = FindWindowA("#32770", caption.c_str())) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return;
      }
      Sleep(20);
    }
  });
}

TEST(SingleInstance, FindsAShownTopLevelWindowOfTheClass) {
  EXPECT_FALSE(TopLevelWindowExists("TInsertCDRomForm"));
  {
    TestWindow window("TInsertCDRomForm");
    ASSERT_NE(window.Get(), nullptr);
    ProcessMessages();
    EXPECT_TRUE(TopLevelWindowExists("TInsertCDRomForm"));
    EXPECT_TRUE(TopLevelWindowExists("tinsertcdromform"));
  }
  EXPECT_FALSE(TopLevelWindowExists("TInsertCDRomForm"));
}

TEST(SingleInstance, ChildWindowsDoNotCount) {
  TestWindow parent("TCdRunTestParent");
  TestWindow child("TCdRunTestChildForm", parent.Get());
  ASSERT_NE(child.Get(), nullptr);
  EXPECT_TRUE(TopLevelWindowExists("TCdRunTestParent"));
  EXPECT_FALSE(TopLevelWindowExists("TCdRunTestChildForm"));
}

TEST(SingleInstance, ClassWindowIsFoundByFindWindow) {
  ClassWindow window("TCdRunHiddenForm");
  EXPECT_NE(FindWindowA("TCdRunHiddenForm", nullptr), nullptr);
}

TEST(MessageBoxes, ReturnTheButtonPressed) {
  std::thread answer = AnswerMessageBox("cdrun question", IDNO);
  EXPECT_EQ(
      ShowMessageBox("Go on?", "cdrun question", MessageButtons::YesNo, MessageIcon::Question),
      MessageAnswer::No);
  answer.join();
}

TEST(Messages, PostedTasksRunInsideAModalLoop) {
  // The task closes the message box from inside the box's own message loop.
  PostTask([] {
    for (int i = 0; i < 500; ++i) {
      if (HWND box = FindWindowA("#32770", "cdrun modal")) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return;
      }
      Sleep(20);
    }
  });
  // Should the task not run, another thread cancels the box later so that the test ends.
  std::atomic<bool> done{false};
  std::thread safety = AnswerMessageBox("cdrun modal", IDCANCEL, 8000, &done);
  EXPECT_EQ(ShowMessageBox("closed by a task", "cdrun modal", MessageButtons::OkCancel),
            MessageAnswer::Ok);
  done = true;
  safety.join();
}

TEST(Messages, ProcessMessagesDispatchesToWindows) {
  TestWindow window("TCdRunPingForm");
  pings = 0;
  PostMessageA(window.Get(), kPingMessage, 0, 0);
  PostMessageA(window.Get(), kPingMessage, 0, 0);
  ProcessMessages();
  EXPECT_EQ(pings, 2);
}

TEST(Messages, WaitingDispatchesTheMessageThatSetsTheEvent) {
  TestWindow window("TCdRunWaitForm");
  auto event = NamedEvent::Create("", true, false);
  eventToSet = event.get();
  pings = 0;
  std::thread poster([&window] {
    Sleep(100);
    PostMessageA(window.Get(), kPingMessage, 0, 0);
  });
  EXPECT_TRUE(WaitWithMessageLoop(*event));
  poster.join();
  eventToSet = nullptr;
  EXPECT_EQ(pings, 1);
}

}  // namespace
}  // namespace cd::os

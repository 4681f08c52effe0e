#include "util/wait_message_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/events.h"
#include "platform/messages.h"

namespace cd {
namespace {

using namespace std::chrono_literals;

// The wait ends only once the event is set (the flag is raised before), and soon after.
TEST(WaitWithMessageLoop, ReturnsWhenTheEventIsSignalled) {
  const auto event = os::NamedEvent::Create("", true, false);
  std::atomic<bool> signalled{false};
  std::thread signaller([&] {
    std::this_thread::sleep_for(50ms);
    signalled = true;
    event->Set();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_NO_THROW(cd::WaitWithMessageLoop(*event));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(signalled);
  EXPECT_LT(waited, 10s);
  signaller.join();
  // Signalled already: it returns at once and leaves a manual-reset event signalled.
  EXPECT_NO_THROW(cd::WaitWithMessageLoop(*event));
  EXPECT_TRUE(event->Wait(0));
}

TEST(WaitWithMessageLoop, HandlesMessagesWhileWaiting) {
  const auto done = os::NamedEvent::Create("", true, false);
  bool ran = false;
  os::PostTask([&] {
    ran = true;
    done->Set();
  });
  cd::WaitWithMessageLoop(*done);
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace cd

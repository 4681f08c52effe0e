#include "util/wait_message_loop.h"

#include <gtest/gtest.h>

#include "platform/events.h"
#include "platform/messages.h"

namespace cd {
namespace {

TEST(WaitWithMessageLoop, ReturnsWhenTheEventIsSignalled) {
  const auto ready = os::NamedEvent::Create("", true, true);
  cd::WaitWithMessageLoop(*ready);
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

#include "platform/events.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/messages.h"
#include "unit/platform/unique_name.h"

namespace cd::os {
namespace {

TEST(Events, NamesShareOneEvent) {
  const std::string name = test::UniqueName("cdrun-event");
  EXPECT_EQ(NamedEvent::Open(name), nullptr);
  auto created = NamedEvent::Create(name, true, false);
  auto opened = NamedEvent::Open(name);
  ASSERT_NE(opened, nullptr);
  EXPECT_FALSE(opened->Wait(0));
  created->Set();
  EXPECT_TRUE(opened->Wait(0));
  EXPECT_TRUE(opened->Wait(0));  // manual reset: stays signalled
  // Creating it again opens it: the state stays, the initial state is ignored.
  auto again = NamedEvent::Create(name, true, false);
  EXPECT_TRUE(again->Wait(0));
  again->Reset();
  EXPECT_FALSE(created->Wait(10));
}

TEST(Events, AutomaticResetReleasesOneWait) {
  auto event = NamedEvent::Create("", false, true);
  EXPECT_TRUE(event->Wait(0));
  EXPECT_FALSE(event->Wait(0));
}

TEST(Events, UnnamedEventsAreSeparate) {
  auto a = NamedEvent::Create("", true, false);
  auto b = NamedEvent::Create("", true, false);
  a->Set();
  EXPECT_FALSE(b->Wait(0));
  EXPECT_EQ(NamedEvent::Open(""), nullptr);
}

TEST(Messages, WaitHandlesTasksUntilTheEventIsSet) {
  auto event = NamedEvent::Create(test::UniqueName("cdrun-wait"), true, false);
  int handled = 0;
  PostTask([&handled] { ++handled; });
  std::thread setter([&event] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    event->Set();
  });
  EXPECT_TRUE(WaitWithMessageLoop(*event));
  setter.join();
  EXPECT_EQ(handled, 1);
}

TEST(Messages, TasksRunInOrderIncludingThosePostedMeanwhile) {
  std::string order;
  PostTask([&order] {
    order += "a";
    PostTask([&order] { order += "c"; });
  });
  PostTask([&order] { order += "b"; });
  ProcessMessages();
  EXPECT_EQ(order, "abc");
  ProcessMessages();
  EXPECT_EQ(order, "abc");
}

}  // namespace
}  // namespace cd::os

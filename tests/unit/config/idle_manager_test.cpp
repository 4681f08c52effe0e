// The idle manager's round: every handler in order, with the same sender and done flag.
#include "config/idle_manager.h"

#include <gtest/gtest.h>

#include <string>

#include "config/string_list.h"
#include "platform/messages.h"

namespace cd::test {
namespace {

TEST(IdleManager, CallsEveryHandlerInOrderWithTheSameArguments) {
  TIdleManager manager;
  TStringList sender;
  std::string order;
  manager.Add([&](TPersistent* s, bool& done) {
    EXPECT_EQ(s, &sender);
    order += "a";
    done = false;
  });
  manager.Add(nullptr);  // an item without handler is passed over
  manager.Add([&](TPersistent* s, bool& done) {
    EXPECT_EQ(s, &sender);
    EXPECT_FALSE(done) << "sees what the earlier handler set";
    order += "b";
  });
  bool done = true;
  manager.Idle(&sender, done);
  EXPECT_EQ(order, "ab");
  EXPECT_FALSE(done);
}

TEST(IdleManager, AHandlerMayDeleteItsItem) {
  TIdleManager manager;
  int later = 0;
  manager.Add([&](TPersistent*, bool&) { manager.Items().Delete(0); });
  manager.Add([&](TPersistent*, bool&) { ++later; });
  bool done = true;
  manager.Idle(nullptr, done);
  manager.Idle(nullptr, done);
  EXPECT_EQ(manager.Items().Count(), 1);
  EXPECT_EQ(later, 1) << "the item moved into the deleted one's place waits for the next round";
}

TEST(IdleManager, TheProcesssManagerAnswersTheApplicationsIdleEvent) {
  int calls = 0;
  TIdleManager::Process().Add([&](TPersistent* sender, bool& done) {
    EXPECT_EQ(sender, nullptr);
    done = ++calls > 1;
  });
  EXPECT_FALSE(os::RaiseIdle());
  EXPECT_TRUE(os::RaiseIdle());
  TIdleManager::Process().Items().Clear();
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace cd::test

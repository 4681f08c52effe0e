// Component names among many siblings: look-ups, renames, removal and duplicates.
#include <gtest/gtest.h>

#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

TEST(Component, NamesStayFoundAmongManySiblings) {
  TTestComponent owner(nullptr);
  for (int i = 0; i < 100; ++i) (new TTestComponent(&owner))->SetName("C" + std::to_string(i));
  EXPECT_EQ(owner.FindComponent("c57"), owner.Components(57));
  EXPECT_EQ(MessageOf([&] { owner.Components(3)->SetName("C99"); }),
            "A component named C99 already exists");
  owner.Components(3)->SetName("Renamed");
  EXPECT_EQ(owner.FindComponent("C3"), nullptr);
  EXPECT_EQ(owner.FindComponent("RENAMED"), owner.Components(3));
  owner.Components(5)->SetName("");
  EXPECT_EQ(owner.FindComponent("C5"), nullptr);
  delete owner.Components(10);
  EXPECT_EQ(owner.FindComponent("C10"), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 99);
  std::unique_ptr<TComponent> taken = owner.RemoveComponent(owner.FindComponent("C20"));
  EXPECT_EQ(owner.FindComponent("C20"), nullptr);
  owner.InsertComponent(std::move(taken));
  EXPECT_EQ(owner.FindComponent("c20"), owner.Components(98));
  owner.DestroyComponents();
  EXPECT_EQ(owner.FindComponent("C1"), nullptr);
  (new TTestComponent(&owner))->SetName("C1");
  EXPECT_EQ(owner.FindComponent("C1"), owner.Components(0));
}

}  // namespace
}  // namespace cd::test

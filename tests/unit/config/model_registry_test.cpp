// The class registry: ancestors, duplicates, aliases, lookups without regard to case.
#include <gtest/gtest.h>

#include <thread>

#include "config/class_registry.h"
#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

TClassInfo MakeClass(const std::string& name, const TClassInfo* parent) {
  return TClassBuilder<TComponent>(name, parent).Build();
}

TEST(ClassRegistry, RegistersAncestorsAndFindsWithoutRegardToCase) {
  static const TClassInfo parent = MakeClass("TRegParent", &TComponent::StaticClass());
  static const TClassInfo child = MakeClass("TRegChild", &parent);
  RegisterClass(child);
  EXPECT_EQ(GetClass("tregchild"), &child);
  EXPECT_EQ(GetClass("TREGPARENT"), &parent);
  EXPECT_EQ(GetClass("TComponent"), &TComponent::StaticClass());
  EXPECT_EQ(GetClass("tpersistent"), &TPersistent::StaticClass());
  RegisterClass(child);  // the same class again is no error
  EXPECT_EQ(&FindClass("TRegChild"), &child);
}

TEST(ClassRegistry, AnotherClassUnderATakenNameFailsAfterRegisteringTheClassesBelowIt) {
  static const TClassInfo first = MakeClass("TRegTaken", &TComponent::StaticClass());
  static const TClassInfo impostor = MakeClass("tregtaken", &TComponent::StaticClass());
  static const TClassInfo below = MakeClass("TRegBelow", &impostor);
  RegisterClass(first);
  EXPECT_EQ(MessageOf([] { RegisterClass(impostor); }), "A class named tregtaken already exists");
  EXPECT_EQ(MessageOf([] { RegisterClass(below); }), "A class named tregtaken already exists");
  EXPECT_EQ(GetClass("TRegBelow"), &below);
  EXPECT_EQ(GetClass("TRegTaken"), &first);
}

TEST(ClassRegistry, UnknownNamesAndAliases) {
  static const TClassInfo renamed = MakeClass("TRegNewName", &TComponent::StaticClass());
  EXPECT_EQ(GetClass("TRegOldName"), nullptr);
  EXPECT_EQ(MessageOf([] { FindClass("TRegOldName"); }), "Class TRegOldName not found");
  RegisterClass(renamed);
  RegisterClassAlias(renamed, "TRegOldName");
  EXPECT_EQ(&FindClass("tregoldname"), &renamed);
  UnRegisterClass(renamed);
  EXPECT_EQ(GetClass("TRegNewName"), nullptr);
  EXPECT_EQ(GetClass("TRegOldName"), nullptr);
}

TEST(ClassRegistry, ConcurrentRegistrationAndLookup) {
  static const TClassInfo shared = MakeClass("TRegShared", &TComponent::StaticClass());
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([] {
      for (int i = 0; i < 500; ++i) {
        RegisterClass(shared);
        ASSERT_EQ(GetClass("TREGSHARED"), &shared);
      }
    });
  for (auto& th : threads) th.join();
}

}  // namespace
}  // namespace cd::test

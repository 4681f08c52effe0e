#include "platform/com.h"

#include <gtest/gtest.h>

namespace cd::os {
namespace {

// The shell's link object, which every Windows (and Wine) installation registers.
constexpr char kShellLink[] = "{00021401-0000-0000-C000-000000000046}";
constexpr char kIUnknown[] = "{00000000-0000-0000-C000-000000000046}";
constexpr char kUnregistered[] = "{0D5A1E5C-0000-4C3B-9F00-C0DE0000CD01}";

TEST(Com, UnregisteredClassesAreNotInstalled) {
  EXPECT_FALSE(IsClassInstalled(kUnregistered));
  std::string error;
  EXPECT_EQ(CreateComObject(kUnregistered, &error), nullptr);
  EXPECT_NE(error.find(kUnregistered), std::string::npos) << error;
  EXPECT_EQ(CreateComObjectFromProgId("cdrun.NoSuchClass", &error), nullptr);
  EXPECT_NE(error.find("cdrun.NoSuchClass"), std::string::npos) << error;
  EXPECT_EQ(CreateComObject("not a class id", &error), nullptr);
}

#ifdef _WIN32
TEST(Com, RegisteredClassesCreateObjects) {
  EXPECT_TRUE(IsClassInstalled(kShellLink));
  auto object = CreateComObject(kShellLink);
  ASSERT_NE(object, nullptr);
  EXPECT_NE(object->Interface(), nullptr);
  EXPECT_NE(object->Query(kIUnknown), nullptr);
  EXPECT_EQ(object->Query(kUnregistered), nullptr);
}
#else
TEST(Com, NoClassIsInstalledOnPosix) {
  EXPECT_FALSE(IsClassInstalled(kShellLink));
  std::string error;
  EXPECT_EQ(CreateComObject(kShellLink, &error), nullptr);
  EXPECT_NE(error.find("not installed"), std::string::npos) << error;
}
#endif

}  // namespace
}  // namespace cd::os

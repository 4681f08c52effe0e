#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <cctype>

#include "unit/platform/unique_name.h"

namespace cd::os {
namespace {

TEST(Dialogs, WindowsOfAClassAreFoundWhileTheyLive) {
  const std::string cls = test::UniqueName("TCdRunTestForm");
  EXPECT_FALSE(TopLevelWindowExists(cls));
  {
    ClassWindow window(cls);
    EXPECT_TRUE(TopLevelWindowExists(cls));
    std::string upper = cls;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(TopLevelWindowExists(upper));  // class names ignore letter case
    EXPECT_FALSE(TopLevelWindowExists(cls + "X"));
  }
  EXPECT_FALSE(TopLevelWindowExists(cls));
}

#ifndef _WIN32
TEST(Dialogs, MessageBoxesGoToStandardErrorOnPosix) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessageBox("Cannot load \"x\" library", "Course (Setup)"), MessageAnswer::Ok);
  EXPECT_EQ(ShowMessageBox("Go on?", "Q", MessageButtons::YesNo, MessageIcon::Question),
            MessageAnswer::Yes);
  ShowMessageBox("Choose available component first!", "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Course (Setup): Cannot load \"x\" library\nQ: Go on?\n"
            "Choose available component first!\n");
}

TEST(Dialogs, OddClassNamesMakeSafeMarkerNames) {
  const std::string cls = test::UniqueName("../x/..\\y:*");
  ClassWindow window(cls);
  EXPECT_TRUE(TopLevelWindowExists(cls));
}
#endif

}  // namespace
}  // namespace cd::os

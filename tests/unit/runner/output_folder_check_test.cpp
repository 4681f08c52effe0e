// Which output folders a build may empty: not a root, not the current folder or above it, not
// a folder holding the sources.
#include "runner/output_folder_check.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "support/message_of.h"

namespace cd {
namespace {

bool Allowed(const std::string& dest, const std::string& source = "") {
  try {
    CheckOutputFolder(dest, source);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

TEST(OutputFolderCheckTest, RootsAndTheCurrentFolderAreRefused) {
  for (const char* dest :
       {"", "C:", "C:\\", "c:/", "\\", "/", ".", ".\\", "..\\", "C:\\cd\\..\\", "cd\\..",
        "\\\\server\\share\\", "\\\\server\\", "C:\\...\\", "x\\..\\..\\"})
    EXPECT_FALSE(Allowed(dest)) << dest;
}

TEST(OutputFolderCheckTest, FoldersBelowAnAnchorAreAllowed) {
  for (const char* dest : {"C:\\cd\\", "C:\\cd\\prg\\..\\out", "out\\", "..\\medium\\prg\\",
                           "\\cd\\", "\\\\server\\share\\cd\\", "D:cd\\"})
    EXPECT_TRUE(Allowed(dest)) << dest;
}

TEST(OutputFolderCheckTest, AFolderHoldingTheSourcesIsRefused) {
  EXPECT_FALSE(Allowed("C:\\work\\", "c:\\WORK\\src\\"));
  EXPECT_FALSE(Allowed("C:\\work\\src\\", "C:\\work\\src\\"));
  EXPECT_FALSE(Allowed("out\\..\\src\\", "src\\prg\\"));
  EXPECT_TRUE(Allowed("C:\\work\\out\\", "C:\\work\\src\\"));
  EXPECT_TRUE(Allowed("C:\\work\\src\\out\\", "C:\\work\\src\\"));
  EXPECT_TRUE(Allowed("D:\\work\\", "C:\\work\\src\\"));
  EXPECT_TRUE(Allowed("..\\example-medium\\prg\\", "prg\\"));
}

TEST(OutputFolderCheckTest, TheMessageNamesTheFolder) {
  EXPECT_EQ(test::MessageOf([] { CheckOutputFolder("C:\\", ""); }),
            "TInstallManager.Execute: Unsafe DestPrgPath \"C:\\\"");
}

}  // namespace
}  // namespace cd

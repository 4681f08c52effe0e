#include "util/file_names.h"

#include <gtest/gtest.h>

namespace cd {
namespace {

TEST(FileNames, RemoveExtensionCutsAtTheLastDotOfTheWholeName) {
  EXPECT_EQ(RemoveExtension("C:\\dir\\readme.txt"), "C:\\dir\\readme");
  EXPECT_EQ(RemoveExtension("C:\\dir.old\\readme"), "C:\\dir");
  EXPECT_EQ(RemoveExtension("a.tar.gz"), "a.tar");
  EXPECT_EQ(RemoveExtension("C:\\dir\\readme"), "C:\\dir\\readme");
  EXPECT_EQ(RemoveExtension(""), "");
}

TEST(FileNames, FileTitleIsTheLastComponentBeforeItsFirstDot) {
  EXPECT_EQ(FileTitle("C:\\x\\a.b.c"), "a");
  EXPECT_EQ(FileTitle("C:\\x\\sub\\"), "sub");
  EXPECT_EQ(FileTitle("C:\\dir.old\\readme"), "readme");
  EXPECT_EQ(FileTitle("C:file.txt"), "file");
  EXPECT_EQ(FileTitle(".hidden"), "");
  EXPECT_EQ(FileTitle(""), "");
}

TEST(FileNames, ExtensionNoDotLooksAtTheLastComponentOnly) {
  EXPECT_EQ(ExtensionNoDot("C:\\x\\setup.EXE"), "EXE");
  EXPECT_EQ(ExtensionNoDot("C:\\x\\a.b.c"), "c");
  EXPECT_EQ(ExtensionNoDot("C:\\dir.old\\readme"), "");
  EXPECT_EQ(ExtensionNoDot("name."), "");
}

}  // namespace
}  // namespace cd

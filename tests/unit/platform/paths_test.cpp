#include "platform/paths.h"

#include <gtest/gtest.h>

namespace cd::os {
namespace {

TEST(Paths, ExtractPartsFollowDelphi) {
  EXPECT_EQ(ExtractFilePath("C:\\dir\\sub\\file.txt"), "C:\\dir\\sub\\");
  EXPECT_EQ(ExtractFilePath("C:file.txt"), "C:");
  EXPECT_EQ(ExtractFilePath("file.txt"), "");
  EXPECT_EQ(ExtractFileName("C:\\dir\\file.txt"), "file.txt");
  EXPECT_EQ(ExtractFileName("C:\\dir\\"), "");
  EXPECT_EQ(ExtractFileName("C:x"), "x");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\c.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFileExt("C:\\dir.old\\readme"), "");
  EXPECT_EQ(ExtractFileExt("name."), ".");
}

TEST(Paths, ChangeFileExtTouchesOnlyTheLastComponent) {
  EXPECT_EQ(ChangeFileExt("C:\\d\\run.cfg", ".bak"), "C:\\d\\run.bak");
  EXPECT_EQ(ChangeFileExt("C:\\dir.old\\readme", ".txt"), "C:\\dir.old\\readme.txt");
  EXPECT_EQ(ChangeFileExt("a.b.c", ""), "a.b");
}

TEST(Paths, TrailingBackslash) {
  EXPECT_EQ(IncludeTrailingBackslash("C:\\dir"), "C:\\dir\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\dir\\"), "C:\\dir\\");
  EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\dir\\"), "C:\\dir");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\dir"), "C:\\dir");
}

TEST(Paths, JoinAndSplit) {
  EXPECT_EQ(JoinPath("C:\\dir", "f.txt"), "C:\\dir\\f.txt");
  EXPECT_EQ(JoinPath("C:\\dir\\", "f.txt"), "C:\\dir\\f.txt");
  EXPECT_EQ(JoinPath("", "f.txt"), "f.txt");
  EXPECT_EQ(SplitPathComponents("\\a//b\\c\\"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(SplitPathComponents("").empty());
}

TEST(Paths, SafeRelativeNamesStayInside) {
  EXPECT_TRUE(IsSafeRelativeName("file.txt"));
  EXPECT_TRUE(IsSafeRelativeName("sub\\dir/file.txt"));
  EXPECT_TRUE(IsSafeRelativeName(".hidden"));
  EXPECT_TRUE(IsSafeRelativeName("a..b"));
  for (const char* bad :
       {"",    "..",    "a\\..\\..\\b", "..\\x",    ".",         "a\\.\\b",    "...",
        ". .", "C:\\x", "C:x",          "x:stream", "\\x",       "/x",         "a\\\\b",
        "a\\", "a/",    "x.",           "x ",       "a\\b .\\c", "bad\x01name"}) {
    EXPECT_FALSE(IsSafeRelativeName(bad)) << bad;
  }
}

TEST(Paths, DeviceNamesAreNeverSafeComponents) {
  for (const char* device : {"con", "CON", "con.txt", "NUL.tar.gz", "aux", "prn.log", "COM1.dat",
                             "com9", "lpt1", "a/Lpt3.x/b", "con .txt"})
    EXPECT_FALSE(IsSafeRelativeName(device)) << device;
  for (const char* ordinary : {"console.txt", "com10", "lpt", "nul_", "a.con", "sub\\prn1\\x"})
    EXPECT_TRUE(IsSafeRelativeName(ordinary)) << ordinary;
}

TEST(Paths, DestinationsAreFoldersOnADrive) {
  const std::pair<const char*, const char*> taken[] = {
      {"d:\\courses", "d:\\courses\\"}, {"  c:\\VokData\\ ", "c:\\VokData\\"}, {"C:\\", "C:\\"},
      {"c:/a//b\\", "c:\\a\\b\\"},   {"c:\\a\\.\\b\\..\\c", "c:\\a\\c\\"}};
  for (const auto& [answer, normal] : taken) EXPECT_EQ(NormalDrivePath(answer), normal) << answer;
  for (const char* refused : {"", "   ", "-", "reldir\\sub", "/tmp/x/", "\\Courses", "\\\\srv\\share",
                              "c:", "c:rel", "c:\\..", "c:\\a\\..\\..\\b", "c:\\con\\", "c:\\a:b",
                              "c:\\dots.\\", "http://host/x", "1:\\x"})
    EXPECT_FALSE(NormalDrivePath(refused)) << refused;
}

TEST(Paths, MasksMatchLikeFindFirstFile) {
  EXPECT_TRUE(MatchesMask("README", "*.*"));
  EXPECT_TRUE(MatchesMask("a.txt", "*.TXT"));
  EXPECT_FALSE(MatchesMask("a.txt2", "*.txt"));
  EXPECT_TRUE(MatchesMask("abc", "a?c"));
  EXPECT_FALSE(MatchesMask("ac", "a?c"));
  EXPECT_TRUE(MatchesMask("aXbYc", "a*b*c"));
  EXPECT_TRUE(MatchesMask("aaab", "*ab"));
  EXPECT_FALSE(MatchesMask("abc", "*.x"));
  EXPECT_TRUE(MatchesMask("", "*"));
}

TEST(Paths, DrivePathsAndCaseFolding) {
  EXPECT_TRUE(IsDrivePath("c:/x"));
  EXPECT_TRUE(IsDrivePath("Z:"));
  EXPECT_FALSE(IsDrivePath("1:\\"));
  EXPECT_FALSE(IsDrivePath("\\\\server\\share"));
  EXPECT_TRUE(SameTextAscii("Run.CFG", "run.cfg"));
  EXPECT_FALSE(SameTextAscii("run.cfg", "run.cf"));
}

}  // namespace
}  // namespace cd::os

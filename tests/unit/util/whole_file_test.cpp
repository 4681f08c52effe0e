#include "util/whole_file.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "platform/files.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

using test::MessageOf;

TEST(WholeFile, StringRoundTripKeepsEveryByte) {
  test::TempDir dir;
  const std::string path = dir.File("data.bin");
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  StringToFile(bytes, path);
  EXPECT_EQ(FileToString(path), bytes);
  StringToFile("", path);
  EXPECT_EQ(FileToString(path), "");
}

TEST(WholeFile, StringToFileReplacesALongerFileCompletely) {
  test::TempDir dir;
  const std::string path = dir.File("card.otx");
  StringToFile(std::string(10000, 'x'), path);
  StringToFile("short", path);
  EXPECT_EQ(FileToString(path), "short");
  EXPECT_EQ(os::FileSize(path), 5);
}

TEST(WholeFile, FailuresNameTheFile) {
  test::TempDir dir;
  const std::string missing = dir.File("missing.txt");
  EXPECT_EQ(MessageOf([&] { FileToString(missing); }),
            "FileToString: Cannot read string from file \"" + missing + "\"");
  const std::string inMissingFolder = dir.File("no-such-folder") + "/x.txt";
  EXPECT_EQ(MessageOf([&] { StringToFile("x", inMissingFolder); }),
            "StringToFile: Cannot write string to file \"" + inMissingFolder + "\"");
}

TEST(WholeFile, FileToStringReadsAFileThatIsOpenForWriting) {
  test::TempDir dir;
  const std::string path = dir.File("open.txt");
  StringToFile("shared", path);
  const auto writer = os::OpenFile(path, os::OpenMode::ReadWrite, os::ShareMode::DenyNone);
  EXPECT_EQ(FileToString(path), "shared");
}

TEST(CopyFileData, CopiesTheWholeContentAndReplacesTheTarget) {
  test::TempDir dir;
  const std::string source = dir.File("source.bin");
  const std::string target = dir.File("target.bin");
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  StringToFile(big, source);
  StringToFile(std::string(300000, 'z'), target);
  EXPECT_EQ(CopyFileData(source, target), 200000);
  EXPECT_EQ(FileToString(target), big);
  StringToFile("", source);
  EXPECT_EQ(CopyFileData(source, target), 0);
  EXPECT_EQ(FileToString(target), "");
}

TEST(CopyFileData, MissingSourceFailsAndLeavesTheTarget) {
  test::TempDir dir;
  const std::string target = dir.File("target.bin");
  StringToFile("keep", target);
  EXPECT_THROW(CopyFileData(dir.File("missing.bin"), target), Exception);
  EXPECT_EQ(FileToString(target), "keep");
}

}  // namespace
}  // namespace cd

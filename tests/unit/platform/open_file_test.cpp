// What an open file offers beyond reading and writing: copying from another open file, its
// size, its date, and creating only a new file.
#include <gtest/gtest.h>

#include <string>

#include "base/exceptions.h"
#include "platform/dos_time.h"
#include "platform/files.h"
#include "support/message_of.h"
#include "unit/platform/win_temp.h"

#ifndef _WIN32
#include "support/file_size_limit.h"
#endif

namespace cd::os {
namespace {

using test::WinTempDir;

TEST(OpenFile, CopyFromStartsAtBothPositionsAndStopsAtTheEndOfTheSource) {
  WinTempDir t;
  WriteWholeFile(t.Name("from.bin"), "0123456789");
  {
    auto from = OpenFile(t.Name("from.bin"), OpenMode::Read, ShareMode::DenyWrite);
    auto to = OpenFile(t.Name("to.bin"), OpenMode::Create, ShareMode::Exclusive);
    from->Seek(2, 0);
    to->Write("ab", 2);
    EXPECT_EQ(to->CopyFrom(*from, 5), 5);
    EXPECT_EQ(to->CopyFrom(*from, 100), 3);  // fewer: the source has ended
    EXPECT_EQ(to->CopyFrom(*from, 100), 0);
    EXPECT_EQ(to->CopyFrom(*from, 0), 0);
    EXPECT_EQ(from->Seek(0, 1), 10);
    EXPECT_EQ(to->Seek(0, 1), 10);
    EXPECT_EQ(to->Size(), 10);
  }
  EXPECT_EQ(ReadWholeFile(t.Name("to.bin")), "ab23456789");
}

TEST(OpenFile, ReadAtLeavesThePositionWhereItWas) {
  WinTempDir t;
  WriteWholeFile(t.Name("f.bin"), "0123456789");
  auto file = OpenFile(t.Name("f.bin"), OpenMode::Read, ShareMode::DenyWrite);
  file->Seek(2, 0);
  char buffer[8] = {};
  EXPECT_EQ(file->ReadAt(7, buffer, 8), 3);
  EXPECT_EQ(std::string(buffer, 3), "789");
  EXPECT_EQ(file->ReadAt(20, buffer, 8), 0);
  EXPECT_EQ(file->Seek(0, 1), 2);
  EXPECT_EQ(file->Read(buffer, 2), 2);
  EXPECT_EQ(std::string(buffer, 2), "23");
}

TEST(OpenFile, CopyFromMovesLargeFilesWhole) {
  WinTempDir t;
  std::string data(1 << 20, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 4096);
  WriteWholeFile(t.Name("big.bin"), data);
  {
    auto from = OpenFile(t.Name("big.bin"), OpenMode::Read, ShareMode::DenyWrite);
    auto to = OpenFile(t.Name("copy.bin"), OpenMode::Create, ShareMode::Exclusive);
    EXPECT_EQ(to->CopyFrom(*from, 61440), 61440);
    EXPECT_EQ(to->CopyFrom(*from, static_cast<int64_t>(data.size())),
              static_cast<int64_t>(data.size()) - 61440);
  }
  EXPECT_EQ(ReadWholeFile(t.Name("copy.bin")), data);
}

TEST(OpenFile, SizeFollowsWritesAndTheDateIsSetOnTheOpenFile) {
  WinTempDir t;
  const std::string name = t.Name("dated.txt");
  const int32_t stamp = *PackDosDateTime({2003, 7, 14, 10, 20, 30});
  {
    auto file = OpenFile(name, OpenMode::Create, ShareMode::Exclusive);
    EXPECT_EQ(file->Size(), 0);
    file->Write("hello", 5);
    EXPECT_EQ(file->Size(), 5);
    file->Seek(1, 0);
    EXPECT_EQ(file->Size(), 5);
    EXPECT_FALSE(file->SetDate(0));  // no valid date and time
    EXPECT_TRUE(file->SetDate(stamp));
  }
  EXPECT_EQ(FileAge(name), stamp);  // closing after the writes keeps the date set
  EXPECT_EQ(ReadWholeFile(name), "hello");
}

TEST(OpenFile, CreateNewMakesOnlyANewFile) {
  WinTempDir t;
  const std::string name = t.Name("new.txt");
  OpenFile(name, OpenMode::CreateNew, ShareMode::Exclusive)->Write("first", 5);
  EXPECT_EQ(ReadWholeFile(name), "first");
  const std::string message =
      cd::test::MessageOf([&] { OpenFile(name, OpenMode::CreateNew, ShareMode::Exclusive); });
  EXPECT_NE(message.find(name), std::string::npos) << message;
  EXPECT_EQ(ReadWholeFile(name), "first");
}

#ifndef _WIN32

// A device is no regular file: the copy goes through memory and still takes what was asked.
TEST(OpenFile, CopyFromADeviceGoesThroughMemory) {
  WinTempDir t;
  auto zeros = OpenFile("/dev/zero", OpenMode::Read, ShareMode::DenyNone);
  {
    auto to = OpenFile(t.Name("zeros.bin"), OpenMode::Create, ShareMode::Exclusive);
    EXPECT_EQ(to->CopyFrom(*zeros, 100000), 100000);
  }
  EXPECT_EQ(ReadWholeFile(t.Name("zeros.bin")), std::string(100000, '\0'));
}

// No room for the whole copy (a file size limit stands for a full disk): the copy fails naming
// the file it writes.
TEST(OpenFile, CopyFromFailsNamingTheTargetWhenTheDiskIsFull) {
  WinTempDir t;
  WriteWholeFile(t.Name("from.bin"), std::string(200000, 'x'));
  auto from = OpenFile(t.Name("from.bin"), OpenMode::Read, ShareMode::DenyWrite);
  auto to = OpenFile(t.Name("to.bin"), OpenMode::Create, ShareMode::Exclusive);
  const std::string message = cd::test::MessageOf([&] {
    test::FileSizeLimit limit(100000);
    to->CopyFrom(*from, 200000);
  });
  EXPECT_NE(message.find("Cannot write file"), std::string::npos) << message;
  EXPECT_NE(message.find("to.bin"), std::string::npos) << message;
}

#endif

}  // namespace
}  // namespace cd::os

// TFileStream over real files: creating, reading, seeking from the three origins, sizing.
#include "streams/file_stream.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "platform/files.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd::test {
namespace {

TEST(FileStream, WritesSeeksAndReadsBack) {
  TempDir dir;
  const std::string name = dir.File("f.bin");
  {
    TFileStream out(name, os::OpenMode::Create);
    out.WriteBuffer("0123456789", 10);
    EXPECT_EQ(out.Size(), 10);
    EXPECT_EQ(out.Position(), 10);
  }
  TFileStream in(name, os::OpenMode::ReadWrite);
  EXPECT_EQ(in.Seek(-3, TSeekOrigin::soEnd), 7);
  EXPECT_EQ(in.Seek(-2, TSeekOrigin::soCurrent), 5);
  EXPECT_EQ(in.ReadRest(), "56789");
  EXPECT_EQ(in.Seek(2, TSeekOrigin::soBeginning), 2);
  in.SetSize(4);
  EXPECT_EQ(in.Size(), 4);
  EXPECT_EQ(in.Position(), 2);
  EXPECT_EQ(in.ReadRest(), "23");
}

TEST(FileStream, PeekReadsAheadWithoutMoving) {
  TempDir dir;
  const std::string name = dir.File("f.bin");
  os::WriteWholeFile(name, "0123456789");
  TFileStream in(name, os::OpenMode::Read);
  in.Seek(6, TSeekOrigin::soBeginning);
  char ahead[8] = {};
  EXPECT_EQ(in.Peek(ahead, 3), 3);
  EXPECT_EQ(std::string(ahead, 3), "678");
  EXPECT_EQ(in.Peek(ahead, 8), 4);  // fewer at the end
  EXPECT_EQ(in.Position(), 6);
  EXPECT_EQ(in.ReadRest(), "6789");
  EXPECT_EQ(in.Peek(ahead, 8), 0);
}

TEST(FileStream, OpeningAMissingFileNamesIt) {
  TempDir dir;
  EXPECT_NE(MessageOf([&] {
              TFileStream f(dir.File("nothing.bin"), os::OpenMode::Read);
            }).find("nothing.bin"),
            std::string::npos);
}

}  // namespace
}  // namespace cd::test

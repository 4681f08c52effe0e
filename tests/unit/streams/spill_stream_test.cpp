// TSpillStream: memory below the threshold, a temporary file above it, the same bytes either way.
#include "streams/spill_stream.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_dir.h"
#include "unit/streams/dcl_support.h"

namespace cd::test {
namespace {

TEST(SpillStream, MovesToAFileOncePastTheThresholdAndReadsTheSame) {
  const std::string data = RandomBytes(10000, 3);
  TSpillStream stream(4096);
  stream.WriteBuffer(data.data(), 3000);
  EXPECT_FALSE(stream.Spilled());
  stream.WriteBuffer(data.data() + 3000, 7000);
  EXPECT_TRUE(stream.Spilled());
  EXPECT_EQ(stream.Size(), 10000);
  EXPECT_EQ(stream.Position(), 10000);
  EXPECT_EQ(stream.Seek(-10, TSeekOrigin::soEnd), 9990);
  EXPECT_EQ(stream.ReadRest(), data.substr(9990));
  stream.SetPosition(0);
  EXPECT_EQ(stream.ReadRest(), data);

  TempDir dir;
  stream.SetPosition(100);
  auto copy = os::OpenFile(dir.File("copy.bin"), os::OpenMode::Create, os::ShareMode::Exclusive);
  EXPECT_EQ(stream.CopyInto(*copy, 20000), 9900);
  copy.reset();
  EXPECT_EQ(os::ReadWholeFile(dir.File("copy.bin")), data.substr(100));
}

TEST(SpillStream, ARewriteInTheMiddleSpillsAtItsPosition) {
  TSpillStream stream(100);
  stream.WriteBuffer(std::string(80, 'a').data(), 80);
  stream.SetPosition(40);
  stream.WriteBuffer(std::string(70, 'b').data(), 70);
  EXPECT_TRUE(stream.Spilled());
  stream.SetPosition(0);
  EXPECT_EQ(stream.ReadRest(), std::string(40, 'a') + std::string(70, 'b'));
}

}  // namespace
}  // namespace cd::test

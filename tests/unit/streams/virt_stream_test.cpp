// TVirtStream over packed and unpacked streams, and OpenVirtualFile.
#include "streams/virt_stream.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "streams/packed_stream.h"
#include "support/message_of.h"
#include "support/packed_data.h"
#include "support/temp_dir.h"
#include "unit/streams/dcl_support.h"
#include "unit/streams/test_streams.h"

namespace cd::test {
namespace {

TEST(VirtStream, UnpacksIntoMemoryAndDestroysTheGivenStream) {
  const std::string plain = SampleText(5000);
  bool destroyed = false;
  TVirtStream v(std::make_unique<TWatchedStream>(Packed(plain), destroyed));
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(v.Size(), 5000);
  EXPECT_EQ(v.Position(), 0);
  char tail[10];
  EXPECT_EQ(v.Seek(-10, TSeekOrigin::soEnd), 4990);
  EXPECT_EQ(v.Read(tail, 100), 10);
  EXPECT_EQ(std::string(tail, 10), plain.substr(4990));
}

TEST(VirtStream, PassesOtherStreamsThroughFromTheirPosition) {
  auto inner = std::make_unique<TMemoryStream>("0123456789");
  inner->SetPosition(8);
  TVirtStream v(std::move(inner));
  EXPECT_EQ(v.Position(), 8);
  EXPECT_EQ(v.ReadRest(), "89");

  TVirtStream shortStream(std::make_unique<TMemoryStream>("abc"));
  EXPECT_EQ(shortStream.ReadRest(), "abc");
  EXPECT_EQ(shortStream.Write("de", 2), 2);
  EXPECT_EQ(shortStream.Size(), 5);
}

TEST(VirtStream, DamagedPackedStreamFailsAndFreesTheGivenStream) {
  const std::string packed = Packed(RandomBytes(8000, 9));
  bool destroyed = false;
  EXPECT_EQ(MessageOf([&] {
              TVirtStream v(std::make_unique<TWatchedStream>(packed.substr(0, 3000), destroyed));
            }),
            "PKWareError \"ABORT\"");
  EXPECT_TRUE(destroyed);
}

TEST(VirtStream, OpenVirtualFileReadsPackedAndPlainFiles) {
  TempDir dir;
  const std::string plain = SampleText(7000);
  os::WriteWholeFile(dir.File("packed.bin"), Packed(plain));
  os::WriteWholeFile(dir.File("plain.bin"), plain);
  EXPECT_EQ(OpenVirtualFile(dir.File("packed.bin"))->ReadRest(), plain);
  EXPECT_EQ(OpenVirtualFile(dir.File("plain.bin"))->ReadRest(), plain);
  EXPECT_THROW(OpenVirtualFile(dir.File("missing.bin")), Exception);
}

// A packed stream that unpacks past the limit (a small file of a few kilobytes standing for
// megabytes), and a stored one larger than it, are refused naming the file.
TEST(VirtStream, ContentsPastTheLimitAreRefusedNamingTheFile) {
  const std::string bomb = Packed(std::string(3 << 20, '\0'));
  ASSERT_LT(bomb.size(), 64u << 10);
  EXPECT_EQ(MessageOf([&] {
              TVirtStream v(std::make_unique<TMemoryStream>(bomb), "E:\\run.cfg", 1 << 20);
            }),
            "File \"E:\\run.cfg\" unpacks to more than 1 MiB and is not read");
  EXPECT_THROW(TVirtStream(std::make_unique<TMemoryStream>(std::string((1 << 20) + 1, 'x')),
                           "E:\\big.grp", 1 << 20),
               Exception);
  TVirtStream fits(std::make_unique<TMemoryStream>(bomb), "E:\\run.cfg", 3 << 20);
  EXPECT_EQ(fits.Size(), 3 << 20);
}

TEST(VirtStream, DamagedPackedStreamNamesTheFileWhenKnown) {
  const std::string packed = Packed(RandomBytes(8000, 9));
  EXPECT_EQ(MessageOf<EPKWareError>([&] {
              TVirtStream v(std::make_unique<TMemoryStream>(packed.substr(0, 3000)), "E:\\a.dl_");
            }),
            "PKWareError \"ABORT\" in \"E:\\a.dl_\"");
}

}  // namespace
}  // namespace cd::test

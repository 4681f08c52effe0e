// The packed-stream container: signature test, the 1000-byte rule, error messages, failing
// sources and destinations, and packing files.
#include "streams/packed_stream.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "streams/memory_stream.h"
#include "support/message_of.h"
#include "support/packed_data.h"
#include "support/temp_dir.h"
#include "unit/streams/dcl_support.h"
#include "unit/streams/test_streams.h"

namespace cd::test {
namespace {

const std::string kSignature("\x2C\x91\x4A\xE3", 4);

std::string UnpackMessage(const std::string& afterSignature) {
  TMemoryStream source(afterSignature), dest;
  return MessageOf([&] { UnpackStream(source, dest); });
}

TEST(IsPacked, ReadsTheSignatureOnlyWhenFourBytesRemain) {
  TMemoryStream three(kSignature);
  three.SetPosition(1);
  EXPECT_FALSE(IsPacked(three));
  EXPECT_EQ(three.Position(), 1);

  TMemoryStream packed("xx" + kSignature + "data");
  packed.SetPosition(2);
  EXPECT_TRUE(IsPacked(packed));
  EXPECT_EQ(packed.Position(), 6);

  TMemoryStream plain("plain text");
  plain.SetPosition(3);
  EXPECT_FALSE(IsPacked(plain));
  EXPECT_EQ(plain.Position(), 3);
}

TEST(PackStream, StoresUpTo1000BytesAndPacksLarger) {
  const std::string text = SampleText(1001);
  EXPECT_EQ(Packed(text.substr(0, 1000)), text.substr(0, 1000));
  EXPECT_EQ(Packed(text), kSignature + ImplodeString(text));

  // The limit applies to the whole stream; the copy starts at the position.
  TMemoryStream source(text.substr(0, 1000)), dest;
  source.SetPosition(400);
  PackStream(source, dest);
  EXPECT_EQ(dest.Data(), text.substr(400, 600));
}

TEST(UnpackStream, RestoresPackedData) {
  const std::string plain = RandomBytes(3000, 1) + SampleText(9000);
  TMemoryStream source(Packed(plain)), dest("head");
  dest.SetPosition(4);
  ASSERT_TRUE(IsPacked(source));
  UnpackStream(source, dest);
  EXPECT_EQ(dest.Data(), "head" + plain);
}

TEST(UnpackStream, FailuresCarryTheDecodersErrorName) {
  EXPECT_EQ(UnpackMessage(std::string("\x00\x07\x00\x00\x00", 5)),
            "PKWareError \"INVALID_DICTSIZE\"");
  EXPECT_EQ(UnpackMessage(std::string("\x02\x06\x00\x00\x00", 5)), "PKWareError \"INVALID_MODE\"");
  EXPECT_EQ(UnpackMessage("abcd"), "PKWareError \"BAD_DATA\"");
  EXPECT_EQ(UnpackMessage(ImplodeString(RandomBytes(5000, 2)).substr(0, 3000)),
            "PKWareError \"ABORT\"");
}

TEST(UnpackStream, KeepsWhatWasDecodedBeforeDamage) {
  const std::string plain = SampleText(20000);
  TMemoryStream source(ImplodeString(plain).substr(0, 2000)), dest;
  EXPECT_THROW(UnpackStream(source, dest), Exception);
  ASSERT_GT(dest.Size(), 0);
  EXPECT_EQ(dest.Data(), plain.substr(0, dest.Data().size()));
}

// A source that fails midway must not pass for a shorter one: packing would otherwise write
// a valid packed file of the first part only.
TEST(PackedStreams, ReadFailureIsReportedNotTakenForTheEnd) {
  TFailingReadStream packed(ImplodeString(RandomBytes(6000, 4)), 3000);
  TMemoryStream unpacked;
  EXPECT_EQ(MessageOf([&] { UnpackStream(packed, unpacked); }), "device not ready");

  TFailingReadStream plain(SampleText(20000), 5000);
  TMemoryStream dest;
  EXPECT_EQ(MessageOf([&] { PackStream(plain, dest); }), "device not ready");
}

TEST(UnpackStream, WriteFailureIsReportedNotSwallowed) {
  TMemoryStream source(ImplodeString(RandomBytes(10000, 5)));
  TFailingWriteStream dest(5000);
  EXPECT_THROW(UnpackStream(source, dest), EWriteError);

  TMemoryStream plain(RandomBytes(10000, 6));
  TFailingWriteStream packedDest(3000);
  EXPECT_THROW(PackStream(plain, packedDest), EWriteError);
}

TEST(PackFileToFile, ReplacesTheDestinationWithThePackedFile) {
  TempDir dir;
  const std::string plain = SampleText(50000);
  os::WriteWholeFile(dir.File("in.txt"), plain);
  os::WriteWholeFile(dir.File("out.pk"), std::string(100000, 'x'));
  PackFileToFile(dir.File("in.txt"), dir.File("out.pk"));
  TMemoryStream packed(os::ReadWholeFile(dir.File("out.pk"))), unpacked;
  ASSERT_TRUE(IsPacked(packed));
  UnpackStream(packed, unpacked);
  EXPECT_EQ(unpacked.Data(), plain);
  EXPECT_THROW(PackFileToFile(dir.File("missing.txt"), dir.File("x.pk")), Exception);
}

}  // namespace
}  // namespace cd::test

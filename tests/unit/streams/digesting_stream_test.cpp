// The digesting stream hands every byte written on and gives their digest; it neither reads
// nor moves, which would leave the digest unlike the bytes.
#include "streams/digesting_stream.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "streams/memory_stream.h"

namespace cd {
namespace {

TEST(DigestingStreamTest, DigestOfTheBytesWrittenInPiecesAndCopies) {
  std::string data;
  for (int i = 0; i < 150000; ++i) data += static_cast<char>(i * 13 % 251);
  TMemoryStream inner("head");
  inner.SetPosition(4);
  TDigestingStream out(inner);
  out.WriteBuffer(data.data(), 7);
  TMemoryStream source(data.substr(7));
  out.CopyFrom(source, 0);
  const auto written = static_cast<int64_t>(data.size());
  EXPECT_EQ(out.Position(), 4 + written);
  EXPECT_EQ(out.PassedOn(), written);
  EXPECT_EQ(os::DigestHex(out.Digest()), os::DigestHex(os::Sha256Of(data)));
  EXPECT_EQ(inner.Data(), "head" + data);
}

TEST(DigestingStreamTest, RefusesToReadOrMove) {
  TMemoryStream inner;
  TDigestingStream out(inner);
  out.WriteBuffer("abc", 3);
  char buffer[3];
  EXPECT_THROW(out.Read(buffer, 3), EReadError);
  EXPECT_THROW(out.SetPosition(0), EStreamError);
  EXPECT_EQ(inner.Data(), "abc");
}

}  // namespace
}  // namespace cd

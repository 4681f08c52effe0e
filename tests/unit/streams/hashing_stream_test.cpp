// The hashing stream gives the digest of the whole stream however it was read: in odd pieces,
// with peeks and seeks back, with bytes skipped by a seek, or not read to the end.
#include "streams/hashing_stream.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/exceptions.h"
#include "streams/memory_stream.h"

namespace cd {
namespace {

TEST(HashingStreamTest, DigestOfTheWholeStreamWhateverTheReading) {
  std::string data;
  for (int i = 0; i < 200000; ++i) data += static_cast<char>(i * 7 % 251);
  const std::string expected = os::DigestHex(os::Sha256Of(data));
  const std::function<void(THashingStream&)> readings[] = {
      [](THashingStream&) {},  // nothing read: Digest reads it all
      [](THashingStream& s) {  // odd pieces to the end
        char buffer[977];
        while (s.Read(buffer, sizeof buffer) > 0) {
        }
      },
      [](THashingStream& s) {  // a peek, a seek back over hashed bytes, a partial read
        char buffer[5000];
        s.Peek(buffer, 4);
        s.Read(buffer, 5000);
        s.SetPosition(100);
        s.Read(buffer, 5000);
      },
      [](THashingStream& s) {  // a seek forward skips bytes that are read to keep the order
        char buffer[100];
        s.Read(buffer, 10);
        s.SetPosition(150000);
        s.Read(buffer, 100);
      },
  };
  for (const auto& read : readings) {
    THashingStream stream(std::make_unique<TMemoryStream>(data));
    read(stream);
    const int64_t position = stream.Position();
    EXPECT_EQ(os::DigestHex(stream.Digest()), expected);
    EXPECT_EQ(stream.Position(), position);
  }
}

TEST(HashingStreamTest, StartsWhereTheStreamStandsAndIsReadOnly) {
  auto inner = std::make_unique<TMemoryStream>(std::string("packed?data"));
  inner->SetPosition(7);
  THashingStream stream(std::move(inner));
  EXPECT_EQ(stream.ReadRest(), "data");
  EXPECT_EQ(os::DigestHex(stream.Digest()), os::DigestHex(os::Sha256Of("packed?data")));
  EXPECT_THROW(stream.WriteBuffer("x", 1), EWriteError);
}

}  // namespace
}  // namespace cd

// The hashing stream gives the digest of the whole stream however it was read: in odd pieces,
// with peeks and seeks back, with bytes skipped by a seek, in an unpacking's large blocks,
// copied into a file, or not read to the end; hashed on the caller's thread or in the
// background.
#include "streams/hashing_stream.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/exceptions.h"
#include "platform/files.h"
#include "streams/hash_worker.h"
#include "streams/memory_stream.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

std::string Numbered(int size) {
  std::string data;
  for (int i = 0; i < size; ++i) data += static_cast<char>(i * 7 % 251);
  return data;
}

TEST(HashingStreamTest, DigestOfTheWholeStreamWhateverTheReading) {
  const std::string data = Numbered(200000);
  const std::string expected = os::DigestHex(os::Sha256Of(data));
  test::TempDir dir;
  auto copy = os::OpenFile(dir.File("copy.bin"), os::OpenMode::Create, os::ShareMode::Exclusive);
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
      [](THashingStream& s) {  // an unpacking's: past a signature, then in large blocks
        std::vector<char> buffer(65536);
        s.SetPosition(4);
        while (s.Read(buffer.data(), 65536) > 0) {
        }
      },
      [](THashingStream& s) {  // a small read hashed first, then large blocks
        std::vector<char> buffer(65536);
        s.Read(buffer.data(), 4);
        while (s.Read(buffer.data(), 65536) > 0) {
        }
      },
      [&](THashingStream& s) {  // a read, then copies into a file in pieces to the end
        char buffer[333];
        s.Read(buffer, sizeof buffer);
        while (s.CopyInto(*copy, 61440) == 61440) {
        }
      },
      [&](THashingStream& s) {  // a copy after a seek back and one after a seek forward
        s.CopyInto(*copy, 70000);
        s.SetPosition(10);
        s.CopyInto(*copy, 100);
        s.SetPosition(190000);
        s.CopyInto(*copy, 5000);
      },
  };
  for (const bool background : {false, true}) {
    for (const auto& read : readings) {
      THashingStream stream(std::make_unique<TMemoryStream>(data), background);
      read(stream);
      const int64_t position = stream.Position();
      EXPECT_EQ(os::DigestHex(stream.Digest()), expected) << "background " << background;
      EXPECT_EQ(stream.Position(), position);
    }
  }
  copy->Seek(0, 0);
  copy->Truncate();
  THashingStream stream(std::make_unique<TMemoryStream>(data), true);
  EXPECT_EQ(stream.CopyInto(*copy, 300000), 200000);
  copy.reset();
  EXPECT_EQ(os::ReadWholeFile(dir.File("copy.bin")), data);
}

// Digests in the background on several threads at once, two alive on each, share the worker
// without waiting for each other's blocks.
TEST(HashingStreamTest, BackgroundDigestsOnManyThreadsAtOnce) {
  const std::string data = Numbered(1 << 20);
  const std::string expected = os::DigestHex(os::Sha256Of(data));
  test::TempDir dir;
  std::vector<std::thread> threads;
  std::vector<std::string> digests(8);
  for (size_t t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      auto copy = os::OpenFile(dir.File("copy" + std::to_string(t)), os::OpenMode::Create,
                               os::ShareMode::Exclusive);
      THashingStream first(std::make_unique<TMemoryStream>(data), true);
      THashingStream second(std::make_unique<TMemoryStream>(data), true);
      while (first.CopyInto(*copy, 40000) > 0 && second.CopyInto(*copy, 40000) > 0) {
      }
      digests[2 * t] = os::DigestHex(first.Digest());
      digests[2 * t + 1] = os::DigestHex(second.Digest());
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(digests, std::vector<std::string>(8, expected));
}

// A block handed to the worker stays its digest's after it is hashed, until that digest takes
// a block again: the copy writes a block out after handing it over, and another digest must
// not fill it meanwhile.
TEST(HashingStreamTest, HashedBlockIsNotGivenToAnotherDigest) {
  THashWorker& worker = THashWorker::Shared();
  THashLane first, second;
  std::unique_ptr<THashBlock> block = worker.Take(first, 2);
  const THashBlock* handedOver = block.get();
  block->size = 100;
  worker.Submit(std::move(block));
  while (first.inFlight.load() > 0) std::this_thread::yield();
  std::unique_ptr<THashBlock> other = worker.Take(second, 2);
  EXPECT_NE(other.get(), handedOver);
  worker.Give(std::move(other));
  EXPECT_EQ(worker.Take(first, 2).get(), handedOver);
  EXPECT_EQ(worker.WaitHashed(first), nullptr);
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

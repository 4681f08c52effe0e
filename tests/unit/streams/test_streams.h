// Streams for tests: one that fails on write, one that reports its destruction.
#pragma once

#include <algorithm>
#include <string>
#include <utility>

#include "base/exceptions.h"
#include "streams/memory_stream.h"

namespace cd::test {

// A memory stream whose writes fail once limit bytes have been written.
class TFailingWriteStream : public TMemoryStream {
 public:
  explicit TFailingWriteStream(int64_t limit) : limit_(limit) {}
  int64_t Write(const void* buffer, int64_t count) override {
    if (Size() + count > limit_) throw EWriteError("disk full");
    return TMemoryStream::Write(buffer, count);
  }

 private:
  int64_t limit_;
};

// A memory stream whose reads fail once its first bytes have been read.
class TFailingReadStream : public TMemoryStream {
 public:
  // Delivers the first `good` bytes, at most 1000 a read; the read after them fails.
  TFailingReadStream(std::string data, int64_t good)
      : TMemoryStream(std::move(data)), good_(good) {}
  int64_t Read(void* buffer, int64_t count) override {
    if (Position() >= good_) throw EReadError("device not ready");
    return TMemoryStream::Read(buffer, std::min<int64_t>({count, 1000, good_ - Position()}));
  }

 private:
  int64_t good_;
};

// A memory stream that sets a flag when it is destroyed.
class TWatchedStream : public TMemoryStream {
 public:
  TWatchedStream(std::string data, bool& destroyed)
      : TMemoryStream(std::move(data)), destroyed_(destroyed) {}
  ~TWatchedStream() override { destroyed_ = true; }

 private:
  bool& destroyed_;
};

}  // namespace cd::test

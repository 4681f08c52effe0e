// Streams for tests: one that fails on write, one that reports its destruction.
#pragma once

#include <string>

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

// A memory stream whose reads fail after the first read.
class TFailingReadStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  int64_t Read(void* buffer, int64_t count) override {
    if (reads_++ > 0) throw EReadError("device not ready");
    return TMemoryStream::Read(buffer, count);
  }

 private:
  int reads_ = 0;
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

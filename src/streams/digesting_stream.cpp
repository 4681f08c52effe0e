// TDigestingStream: every write is passed on, and what the inner stream took is hashed.
#include "streams/digesting_stream.h"

#include "base/exceptions.h"

namespace cd {

int64_t TDigestingStream::Read(void*, int64_t) {
  throw EReadError("Stream read error");
}

int64_t TDigestingStream::Write(const void* buffer, int64_t count) {
  const int64_t written = inner_.Write(buffer, count);
  if (written > 0) {
    hasher_.Update(buffer, static_cast<size_t>(written));
    passedOn_ += written;
  }
  return written;
}

int64_t TDigestingStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset != 0 || origin != TSeekOrigin::soCurrent)
    throw EStreamError("TDigestingStream: the stream is written in order and cannot seek");
  return inner_.Position();
}

}  // namespace cd

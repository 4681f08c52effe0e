// Shared behaviour of every stream, built on Read, Write and Seek.
#include "streams/stream.h"

#include <algorithm>
#include <vector>

#include "base/buffered_copy.h"
#include "base/exceptions.h"
#include "platform/files.h"

namespace cd {

int64_t TStream::Size() {
  const int64_t pos = Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, int64_t count) {
  auto* out = static_cast<char*>(buffer);
  while (count > 0) {
    const int64_t n = Read(out, count);
    if (n <= 0) throw EReadError("Stream read error");
    out += n;
    count -= n;
  }
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  const int64_t total = count;
  std::vector<char> buffer(static_cast<size_t>(std::min<int64_t>(count, 61440)) + 1);
  while (count > 0) {
    const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(buffer.size()));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    count -= n;
  }
  return total;
}

int64_t TStream::Peek(void* buffer, int64_t count) {
  const int64_t n = Read(buffer, count);
  if (n > 0) Seek(-n, TSeekOrigin::soCurrent);
  return n;
}

int64_t TStream::CopyInto(os::File& target, int64_t count) {
  return CopyThroughBuffer(
      count, [&](char* buffer, int64_t n) { return Read(buffer, n); },
      [&](const char* buffer, int64_t n) { target.Write(buffer, n); });
}

std::string TStream::ReadRest() {
  std::string out;
  const int64_t remaining = Size() - Position();
  if (remaining > 0) out.reserve(static_cast<size_t>(remaining));
  char buffer[65536];
  for (;;) {
    const int64_t n = Read(buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  return out;
}

}  // namespace cd

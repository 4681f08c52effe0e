// Standard output written as the codec hands its blocks over.
#include "standard_output_stream.h"

#include "base/exceptions.h"
#include "platform/std_streams.h"
#include "tool_io.h"

namespace cd::cdpack {

int64_t TStandardOutputStream::Read(void*, int64_t) {
  return 0;
}

int64_t TStandardOutputStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  try {
    os::WriteStandardOutput(buffer, static_cast<size_t>(count));
  } catch (const Exception& e) {
    throw EOutputFailure(e.Message());
  }
  position_ += count;
  return count;
}

int64_t TStandardOutputStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t target = origin == TSeekOrigin::soBeginning ? offset : position_ + offset;
  if (target != position_) throw EStreamError("Standard output can only be written forward");
  return position_;
}

}  // namespace cd::cdpack

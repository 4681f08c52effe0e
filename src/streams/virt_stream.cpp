// TVirtStream: unpacks packed streams into bounded memory, passes anything else through.
#include "streams/virt_stream.h"

#include "base/exceptions.h"
#include "streams/file_stream.h"
#include "streams/packed_stream.h"
#include "streams/spill_stream.h"
#include "util/format.h"

namespace cd {
namespace {

// The spill stream that refuses to grow past the size a caller accepts.
class TBoundedSpillStream : public TSpillStream {
 public:
  TBoundedSpillStream(int64_t maxSize, const std::string& name)
      : TSpillStream(kUnpackedInMemory), maxSize_(maxSize), name_(name) {}
  int64_t Write(const void* buffer, int64_t count) override {
    if (maxSize_ > 0 && Position() + count > maxSize_) {
      throw Exception(Format("File \"%s\" unpacks to more than %d MiB and is not read",
                             {name_, static_cast<long long>(maxSize_ >> 20)}));
    }
    return TSpillStream::Write(buffer, count);
  }

 private:
  int64_t maxSize_;
  std::string name_;
};

std::unique_ptr<TStream> Unpacked(std::unique_ptr<TStream> stream, const std::string& name,
                                  int64_t maxSize) {
  if (!IsPacked(*stream)) {
    if (maxSize > 0 && stream->Size() - stream->Position() > maxSize) {
      throw Exception(Format("File \"%s\" is larger than %d MiB and is not read",
                             {name, static_cast<long long>(maxSize >> 20)}));
    }
    return stream;
  }
  auto unpacked = std::make_unique<TBoundedSpillStream>(maxSize, name);
  try {
    UnpackStream(*stream, *unpacked);
  } catch (const EPKWareError& failure) {
    if (name.empty()) throw;
    throw EPKWareError(PackedFailureMessage(failure.Message(), name));
  }
  unpacked->SetPosition(0);
  return unpacked;
}

}  // namespace

TVirtStream::TVirtStream(std::unique_ptr<TStream> stream, const std::string& name, int64_t maxSize)
    : inner_(Unpacked(std::move(stream), name, maxSize)) {}

std::unique_ptr<TVirtStream> OpenVirtualFile(const std::string& name, int64_t maxSize) {
  return std::make_unique<TVirtStream>(std::make_unique<TFileStream>(name, os::OpenMode::Read),
                                       name, maxSize);
}

std::string PackedFailureMessage(const std::string& failure, const std::string& name) {
  return Format("%s in \"%s\"", {failure, name});
}

}  // namespace cd

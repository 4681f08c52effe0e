// TVirtStream: unpacks packed streams into memory, passes anything else through.
#include "streams/virt_stream.h"

#include "streams/file_stream.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"

namespace cd {
namespace {

std::unique_ptr<TStream> Unpacked(std::unique_ptr<TStream> stream) {
  if (!IsPacked(*stream)) return stream;
  auto memory = std::make_unique<TMemoryStream>();
  UnpackStream(*stream, *memory);
  memory->SetPosition(0);
  return memory;
}

}  // namespace

TVirtStream::TVirtStream(std::unique_ptr<TStream> stream) : inner_(Unpacked(std::move(stream))) {}

std::unique_ptr<TVirtStream> OpenVirtualFile(const std::string& name) {
  return std::make_unique<TVirtStream>(std::make_unique<TFileStream>(name, os::OpenMode::Read));
}

}  // namespace cd

// TSpillStream: memory first, a temporary file past the threshold.
#include "streams/spill_stream.h"

namespace cd {

TSpillStream::TSpillStream(int64_t threshold) : threshold_(threshold), active_(&memory_) {}

int64_t TSpillStream::Write(const void* buffer, int64_t count) {
  if (!file_ && count > 0 && memory_.Position() + count > threshold_) Spill();
  return active_->Write(buffer, count);
}

// The bytes so far go to the file, which takes over at the same position; the memory is freed.
void TSpillStream::Spill() {
  file_ = os::OpenTemporaryFile();
  fileStream_ = std::make_unique<TOpenFileStream>(*file_);
  const int64_t position = memory_.Position();
  const std::string data = memory_.TakeData();
  fileStream_->WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  fileStream_->SetPosition(position);
  memory_ = TMemoryStream();
  active_ = fileStream_.get();
}

}  // namespace cd

// TProgressStream: reports reading progress at most once per 2000 bytes.
#include "streams/progress_stream.h"

#include <algorithm>

#include "streams/file_stream.h"

namespace cd {
namespace {

constexpr int64_t kReportStep = 2000;

}  // namespace

TProgressStream::TProgressStream(TStream& inner, TSetupTotals* totals, TReadProgressProc progress)
    : inner_(&inner), totals_(totals), progress_(std::move(progress)), size_(inner.Size()) {}

TProgressStream::TProgressStream(std::unique_ptr<TStream> owned, int64_t size, TSetupTotals* totals,
                                 TReadProgressProc progress)
    : owned_(std::move(owned)),
      inner_(owned_.get()),
      totals_(totals),
      progress_(std::move(progress)),
      size_(size) {}

std::unique_ptr<TProgressStream> TProgressStream::CreateFromFile(const std::string& name,
                                                                 TSetupTotals* totals,
                                                                 TReadProgressProc progress) {
  auto file = std::make_unique<TFileStream>(name, os::OpenMode::Read, os::ShareMode::DenyNone);
  const int64_t size = file->OpenedSize();  // known from opening it, without asking again
  return std::unique_ptr<TProgressStream>(
      new TProgressStream(std::move(file), size, totals, std::move(progress)));
}

int64_t TProgressStream::Read(void* buffer, int64_t count) {
  const int64_t n = inner_->Read(buffer, count);
  Report();
  return n;
}

// A copy takes what the stream held when the progress stream was made: it asks for no more
// than that size leaves, so the last block of a file ends the copy without one more call to
// the system that would only find the end.
int64_t TProgressStream::CopyInto(os::File& target, int64_t count) {
  const int64_t rest = size_ - Position();
  if (rest <= 0) return 0;
  const int64_t n = inner_->CopyInto(target, std::min(count, rest));
  Report();
  return n;
}

void TProgressStream::Report() {
  if (!progress_) return;
  const int64_t pos = Position();
  if (pos - lastReported_ >= kReportStep) {
    lastReported_ = pos;
    progress_(pos, size_, totals_);
  }
}

}  // namespace cd

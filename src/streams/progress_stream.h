// TProgressStream: reads another stream and reports how far the reading has come, at most
// once per 2000 bytes, through a progress callback.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "streams/stream.h"

namespace cd {

struct TSetupTotals;

// Progress(code = position reached, size = the stream's size, totals handed back unchanged);
// the answer is ignored. The same signature as the setup callback's progress procedure; both
// figures are 64-bit, so a stream past 2 GB reports true positions.
using TReadProgressProc = std::function<bool(int64_t code, int64_t size, TSetupTotals* totals)>;

class TProgressStream : public TStream {
 public:
  // Reads inner, which the caller keeps owning.
  TProgressStream(TStream& inner, TSetupTotals* totals, TReadProgressProc progress);
  // Opens the named file for reading, others may read and write it meanwhile.
  static std::unique_ptr<TProgressStream> CreateFromFile(const std::string& name,
                                                         TSetupTotals* totals,
                                                         TReadProgressProc progress);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override { return inner_->Write(buffer, count); }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override { return inner_->Seek(offset, origin); }
  int64_t Size() override { return inner_->Size(); }
  int64_t Peek(void* buffer, int64_t count) override { return inner_->Peek(buffer, count); }
  int64_t CopyInto(os::File& target, int64_t count) override;

 private:
  TProgressStream(std::unique_ptr<TStream> owned, int64_t size, TSetupTotals* totals,
                  TReadProgressProc progress);
  void Report();

  std::unique_ptr<TStream> owned_;  // set when the progress stream opened inner itself
  TStream* inner_;
  TSetupTotals* totals_;
  TReadProgressProc progress_;
  int64_t size_;  // inner's size when the progress stream was created
  int64_t lastReported_ = 0;
};

}  // namespace cd

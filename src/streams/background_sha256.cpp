// TBackgroundSha256: blocks filled by the caller and hashed in order by the hash worker.
#include "streams/background_sha256.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

namespace cd {

TBackgroundSha256::~TBackgroundSha256() {
  THashWorker& worker = THashWorker::Shared();
  if (filling_) worker.Give(std::move(filling_));
  worker.WaitHashed(lane_);
}

char* TBackgroundSha256::Reserve(size_t& room) {
  if (filling_ && filling_->size == kBlockSize) Submit();
  if (!filling_) filling_ = THashWorker::Shared().Take(lane_, kBlocksInFlight);
  room = kBlockSize - filling_->size;
  return filling_->data + filling_->size;
}

void TBackgroundSha256::Commit(size_t count) {
  filling_->size += count;
}

void TBackgroundSha256::Update(const void* data, size_t size) {
  const char* from = static_cast<const char*>(data);
  while (size > 0) {
    size_t room = 0;
    char* to = Reserve(room);
    const size_t n = std::min(room, size);
    std::memcpy(to, from, n);
    Commit(n);
    from += n;
    size -= n;
  }
}

os::Sha256Digest TBackgroundSha256::Finish() {
  Submit();
  if (std::exception_ptr failure = THashWorker::Shared().WaitHashed(lane_))
    std::rethrow_exception(failure);
  return lane_.hasher.Finish();
}

void TBackgroundSha256::Submit() {
  if (filling_ && filling_->size > 0) THashWorker::Shared().Submit(std::move(filling_));
}

}  // namespace cd

// A web document as a read-only stream: reads, seeks and the size go to the document loaded
// by the platform's URL library.
#pragma once

#include <memory>

#include "platform/url.h"
#include "streams/stream.h"

namespace cd {

class TUrlStream : public TStream {
 public:
  explicit TUrlStream(std::unique_ptr<os::UrlStream> document) : document_(std::move(document)) {}

  int64_t Read(void* buffer, int64_t count) override { return document_->Read(buffer, count); }
  // A web document cannot be written: nothing is written.
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    return document_->Seek(offset, static_cast<int>(origin));
  }
  int64_t Size() override { return document_->Size(); }

 private:
  std::unique_ptr<os::UrlStream> document_;
};

}  // namespace cd

// TVirtStream: one readable stream of a file's contents whether it is packed or stored: a
// packed stream is unpacked into memory, anything else is read straight through.
#pragma once

#include <memory>
#include <string>

#include "streams/stream.h"

namespace cd {

class TVirtStream : public TStream {
 public:
  // Takes over stream. When it continues with the packing signature, the rest is unpacked
  // into memory and stream is destroyed; otherwise it is used as it is, at its position.
  // When unpacking fails, stream is destroyed before the failure passes on.
  explicit TVirtStream(std::unique_ptr<TStream> stream);

  int64_t Read(void* buffer, int64_t count) override { return inner_->Read(buffer, count); }
  int64_t Write(const void* buffer, int64_t count) override { return inner_->Write(buffer, count); }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override { return inner_->Seek(offset, origin); }
  int64_t Size() override { return inner_->Size(); }
  int64_t CopyInto(os::File& target, int64_t count) override {
    return inner_->CopyInto(target, count);
  }

 private:
  std::unique_ptr<TStream> inner_;
};

// A virtual stream over the named file, opened for reading only.
std::unique_ptr<TVirtStream> OpenVirtualFile(const std::string& name);

}  // namespace cd

// TVirtStream: one readable stream of a file's contents whether it is packed or stored: a
// packed stream is unpacked (into memory while small, into a temporary file past
// kUnpackedInMemory bytes), anything else is read straight through.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "streams/stream.h"

namespace cd {

// Unpacked bytes kept in memory; more go to a temporary file.
inline constexpr int64_t kUnpackedInMemory = int64_t{64} << 20;
// The largest configuration, group file or settings file that is read whole.
inline constexpr int64_t kLargestReadWhole = int64_t{256} << 20;

class TVirtStream : public TStream {
 public:
  // Takes over stream. When it continues with the packing signature, the rest is unpacked
  // and stream is destroyed; otherwise it is used as it is, at its position. When unpacking
  // fails, stream is destroyed before the failure passes on. name, when given, is the file's
  // name for the messages of a failure. With maxSize, contents of more than maxSize bytes
  // (unpacked or stored) are refused with a failure naming the file; unpacking stops there.
  explicit TVirtStream(std::unique_ptr<TStream> stream, const std::string& name = {},
                       int64_t maxSize = 0);

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

// A virtual stream over the named file, opened for reading only; maxSize as above.
std::unique_ptr<TVirtStream> OpenVirtualFile(const std::string& name, int64_t maxSize = 0);

// "PKWareError \"<code>\"" of a damaged packed stream, with " in \"<name>\"" when the name is
// known: what the user sees of a packed file that cannot be decoded.
std::string PackedFailureMessage(const std::string& failure, const std::string& name);

}  // namespace cd

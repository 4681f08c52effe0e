// TMediumCheck: the check of one file item's file on the medium against the medium's sums:
// the source is hashed while it is read, and the digest compared before the new file takes
// its place. Without sums on the medium nothing is checked.
#pragma once

#include <memory>
#include <string>

#include "streams/stream.h"

namespace cd {

class TFileItem;
class THashingStream;

class TMediumCheck {
 public:
  // When the item's files manager carries sums, source is replaced by a stream that hashes
  // it as it is read; fails (naming the file) when the sums have no line for it.
  TMediumCheck(const TFileItem& item, std::unique_ptr<TStream>& source);

  bool Active() const { return hashing_ != nullptr; }
  // Fails with the damage message when the source's bytes are not those listed; reads what
  // the reading left of the source first. Nothing happens when the check is not active.
  void Verify();

 private:
  THashingStream* hashing_ = nullptr;  // owned by the source
  std::string fileName_;
  std::string expected_;
};

// The path of the item's file relative to the root of the medium, as the sums list it: the
// files manager's PrgSubpath followed by the item's name on the medium, with "/" separators.
std::string MediumSumsPath(const TFileItem& item);

}  // namespace cd

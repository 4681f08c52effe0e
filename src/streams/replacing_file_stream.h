// A stream that writes a new version of a file beside it and puts it in the file's place only
// when complete, so that a failure leaves the file as it was and no half-written one.
#pragma once

#include <string>

#include "platform/replace_file.h"
#include "streams/open_file_stream.h"

namespace cd {

// The replacement is a base of its own, listed first, so that it exists before the stream over
// its file is made.
struct TReplacementOwner {
  explicit TReplacementOwner(const std::string& fileName) : replacement(fileName) {}
  os::ReplacementFile replacement;
};

class TReplacingFileStream : private TReplacementOwner, public TOpenFileStream {
 public:
  // Creates the new file beside fileName; a failure names fileName.
  explicit TReplacingFileStream(const std::string& fileName)
      : TReplacementOwner(fileName), TOpenFileStream(replacement.File()) {}

  // Puts the new file in place; the stream is not used afterwards. Destroyed without it, the
  // stream removes the new file.
  void Commit() { replacement.Commit(); }
};

}  // namespace cd

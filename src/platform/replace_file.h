// Replacing a file safely: the new contents go to a temporary file beside the target, which
// is renamed over the target only when complete, so a failed update never leaves a
// half-written file. Portable, over files.h.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/temporary_files.h"

namespace cd::os {

// A new version of a file being written. Write through File(); Commit() puts it in place.
// Destroyed without Commit() (a failure, an abort), it removes the temporary file and leaves
// the target untouched. The first one in a folder removes the temporary files that
// interrupted runs left there; an interrupt of this run removes the ones being written.
class ReplacementFile {
 public:
  // Creates the temporary file beside target; fails naming the target. With makeFolder, a
  // missing folder of the target is made first (a failure names the target too).
  explicit ReplacementFile(const std::string& target, bool makeFolder = false);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  os::File& File() { return *file_; }
  const std::string& TemporaryName() const { return temporary_; }
  // Closes the temporary file and renames it over the target (replacing it). Fails naming
  // the target when that is not possible; the target is then unchanged.
  void Commit();

 private:
  std::string target_;
  std::string hostTarget_;  // the target found once: its temporary file goes beside it
  std::string temporary_;
  std::unique_ptr<os::File> file_;
  std::optional<TemporaryFileClaim> claim_;
  bool committed_ = false;
};

// Writes data to path through a ReplacementFile.
void ReplaceFileAtomically(const std::string& path, const std::string& data);

}  // namespace cd::os

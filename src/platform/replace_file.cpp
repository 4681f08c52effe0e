// Writing beside a file and renaming over it.
#include "platform/replace_file.h"

#include <atomic>
#include <random>

#include "platform/paths.h"
#include "util/exceptions.h"

namespace cd::os {
namespace {

// "<target>.~<random>.tmp": beside the target, so the rename stays on one drive.
std::string TemporaryNameFor(const std::string& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  const unsigned value = random() ^ (counter++ * 2654435761u) ^ attempt;
  static const char kHex[] = "0123456789abcdef";
  std::string suffix;
  for (int shift = 28; shift >= 0; shift -= 4) suffix += kHex[(value >> shift) & 0xF];
  return target + ".~" + suffix + ".tmp";
}

}  // namespace

// The target's name is looked up once, as a host path: the temporary name beside it and the
// final rename then need no search for names that differ only in letter case.
ReplacementFile::ReplacementFile(const std::string& target) : target_(target) {
  try {
    hostTarget_ = HostPath(target);
  } catch (const Exception& e) {
    throw Exception("Cannot write file \"" + target + "\": " + e.Message());
  }
  for (unsigned attempt = 0; attempt < 8 && !file_; ++attempt) {
    temporary_ = TemporaryNameFor(hostTarget_, attempt);
    if (FileExists(temporary_)) continue;
    try {
      file_ = OpenFile(temporary_, OpenMode::Create, ShareMode::Exclusive);
    } catch (const Exception& e) {
      throw Exception("Cannot write file \"" + target + "\": " + e.Message());
    }
  }
  if (!file_) throw Exception("Cannot write file \"" + target + "\": no free temporary name");
}

ReplacementFile::~ReplacementFile() {
  if (committed_) return;
  file_.reset();
  DeleteFile(temporary_);
}

void ReplacementFile::Commit() {
  file_.reset();
  if (!RenameFile(temporary_, hostTarget_)) {
    DeleteFile(temporary_);
    committed_ = true;  // nothing left to clean up
    throw Exception("Cannot replace file \"" + target_ + "\"");
  }
  committed_ = true;
}

void ReplaceFileAtomically(const std::string& path, const std::string& data) {
  ReplacementFile replacement(path);
  replacement.File().Write(data.data(), static_cast<int64_t>(data.size()));
  replacement.Commit();
}

}  // namespace cd::os

// Writing beside a file and renaming over it.
#include "platform/replace_file.h"

#include <atomic>
#include <random>

#include "platform/paths.h"
#include "util/exceptions.h"

namespace cd::os {
namespace {

// A value for this process taken once from the system's random source.
unsigned ProcessSeed() {
  static const unsigned seed = std::random_device()();
  return seed;
}

// "<target>.~<random>.tmp": beside the target, so the rename stays on one drive.
std::string TemporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const unsigned value = ProcessSeed() ^ (counter++ * 2654435761u);
  static const char kHex[] = "0123456789abcdef";
  std::string suffix;
  for (int shift = 28; shift >= 0; shift -= 4) suffix += kHex[(value >> shift) & 0xF];
  return target + ".~" + suffix + ".tmp";
}

// Makes the folder of a target when it is missing; false when it is there. It is looked for
// only after a first attempt failed, since it is nearly always there already.
bool MakeMissingFolder(const std::string& target, const std::string& hostTarget) {
  const size_t end = hostTarget.find_last_of("\\/");  // a host path may use either separator
  if (end == std::string::npos) return false;
  const std::string folder = hostTarget.substr(0, end + 1);
  if (DirectoryExists(folder)) return false;
  try {
    ForceDirectories(folder);
  } catch (const Exception& e) {
    throw Exception("Cannot write file \"" + target + "\": " + e.Message());
  }
  return true;
}

}  // namespace

// The target's name is looked up once, as a host path: the temporary name beside it and the
// final rename then need no search for names that differ only in letter case.
ReplacementFile::ReplacementFile(const std::string& target, bool makeFolder) : target_(target) {
  try {
    hostTarget_ = HostPath(target);
  } catch (const Exception& e) {
    throw Exception("Cannot write file \"" + target + "\": " + e.Message());
  }
  bool mayMakeFolder = makeFolder;
  for (int attempt = 0; attempt < 8 && !file_; ++attempt) {
    temporary_ = TemporaryNameFor(hostTarget_);
    try {
      file_ = OpenFile(temporary_, OpenMode::CreateNew, ShareMode::Exclusive);
    } catch (const Exception& e) {
      if (FileExists(temporary_)) continue;  // taken by a file of another run: try another
      if (mayMakeFolder && MakeMissingFolder(target, hostTarget_)) {
        mayMakeFolder = false;
        continue;
      }
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
  if (!PutInPlace(temporary_, hostTarget_)) {
    const std::string reason = LastRefusal();
    DeleteFile(temporary_);
    committed_ = true;  // nothing left to clean up
    throw Exception("Cannot replace file \"" + target_ + "\": " + reason);
  }
  committed_ = true;
}

void ReplaceFileAtomically(const std::string& path, const std::string& data) {
  ReplacementFile replacement(path);
  replacement.File().Write(data.data(), static_cast<int64_t>(data.size()));
  replacement.Commit();
}

}  // namespace cd::os

// Writing beside a file and renaming over it.
#include "platform/replace_file.h"

#include "base/exceptions.h"
#include "platform/paths.h"
#include "platform/temporary_names.h"

namespace cd::os {
namespace {

// The folder of a host path with its trailing separator; empty for a bare name. A host path may
// use either separator.
std::string FolderOf(const std::string& hostPath) {
  const size_t end = hostPath.find_last_of("\\/");
  return end == std::string::npos ? std::string() : hostPath.substr(0, end + 1);
}

// Makes the folder of a target when it is missing; false when it is there. It is looked for
// only after a first attempt failed, since it is nearly always there already.
bool MakeMissingFolder(const std::string& target, const std::string& hostTarget) {
  const std::string folder = FolderOf(hostTarget);
  if (folder.empty() || DirectoryExists(folder)) return false;
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
  // Temporary files that an interrupted run left in the folder go before the first new one.
  const std::string folder = FolderOf(hostTarget_);
  if (!folder.empty()) SweepLeftoversOnce(folder);
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
  claim_.emplace(temporary_, file_.get());
}

ReplacementFile::~ReplacementFile() {
  if (committed_) return;
  file_.reset();
  DeleteFile(temporary_);
  claim_.reset();
}

void ReplacementFile::Commit() {
  file_.reset();
  const bool placed = PutInPlace(temporary_, hostTarget_);
  const std::string reason = placed ? std::string() : LastRefusal();
  if (!placed) DeleteFile(temporary_);
  claim_.reset();
  committed_ = true;  // nothing left to clean up
  if (!placed) throw Exception("Cannot replace file \"" + target_ + "\": " + reason);
}

void ReplaceFileAtomically(const std::string& path, const std::string& data) {
  ReplacementFile replacement(path);
  replacement.File().Write(data.data(), static_cast<int64_t>(data.size()));
  replacement.Commit();
}

}  // namespace cd::os

// A folder's names by their upper-case form, kept with the folder's identity and change times.
#include "platform/posix/folder_names.h"

#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace cd::os::posix {
namespace {

// A folder changed this recently may change again within the same tick of the file system's
// clock, which its change time would not show: its names are not kept.
constexpr int64_t kSettleNanoseconds = 50'000'000;
constexpr size_t kMostFolders = 256;

struct Listing {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  timespec changed{};
  std::unordered_map<std::string, std::string> byUpper;
};

std::string Upper(const std::string& name) {
  std::string upper = name;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

int64_t Nanoseconds(const timespec& t) {
  return static_cast<int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool Unchanged(const struct stat& st, const Listing& listing) {
  return st.st_dev == listing.device && st.st_ino == listing.inode &&
         SameTime(st.st_mtim, listing.modified) && SameTime(st.st_ctim, listing.changed);
}

bool Settled(const struct stat& st) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const int64_t last = std::max(Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim));
  return Nanoseconds(now) - last > kSettleNanoseconds;
}

// The names as the folder lists them after the given state of it was taken; false when it
// cannot be read.
bool ReadListing(const std::string& folder, const struct stat& st, Listing* listing) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  listing->device = st.st_dev;
  listing->inode = st.st_ino;
  listing->modified = st.st_mtim;
  listing->changed = st.st_ctim;
  while (const dirent* entry = readdir(dir)) {
    listing->byUpper.emplace(Upper(entry->d_name), entry->d_name);
  }
  closedir(dir);
  return true;
}

// One pass over a folder that is changing and so not worth keeping.
bool ScanFolder(const std::string& folder, const std::string& name, std::string* found) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  const std::string upper = Upper(name);
  bool matched = false;
  while (const dirent* entry = readdir(dir)) {
    if (Upper(entry->d_name) == upper) {
      *found = entry->d_name;
      matched = true;
      break;
    }
  }
  closedir(dir);
  return matched;
}

bool Find(const Listing& listing, const std::string& name, std::string* found) {
  const auto at = listing.byUpper.find(Upper(name));
  if (at == listing.byUpper.end()) return false;
  *found = at->second;
  return true;
}

std::mutex& CacheMutex() {
  static std::mutex mutex;
  return mutex;
}

std::unordered_map<std::string, Listing>& Cache() {
  static std::unordered_map<std::string, Listing> cache;
  return cache;
}

}  // namespace

bool FindCaseVariant(const std::string& folder, const std::string& name, std::string* found) {
  const std::string path = folder.empty() ? "/" : folder;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  {
    std::lock_guard<std::mutex> lock(CacheMutex());
    const auto cached = Cache().find(path);
    if (cached != Cache().end() && Unchanged(st, cached->second)) {
      return Find(cached->second, name, found);
    }
  }
  if (!Settled(st)) return ScanFolder(path, name, found);
  Listing listing;
  if (!ReadListing(path, st, &listing)) return false;
  const bool matched = Find(listing, name, found);
  std::lock_guard<std::mutex> lock(CacheMutex());
  if (Cache().size() >= kMostFolders) Cache().clear();
  Cache()[path] = std::move(listing);
  return matched;
}

}  // namespace cd::os::posix

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
#include <utility>

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
  // When this process last changed the folder itself (nanoseconds of the real-time clock), while
  // the kept state is still the one before; 0 when nothing is pending.
  int64_t ownChangeUntil = 0;
  // Every name under its upper-case form; names that differ only in letter case share a key.
  std::unordered_multimap<std::string, std::string> byUpper;
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

int64_t Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return Nanoseconds(now);
}

int64_t LastChange(const struct stat& st) {
  return std::max(Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim));
}

bool Settled(const struct stat& st) {
  return Now() - LastChange(st) > kSettleNanoseconds;
}

// The folder changed, but not after this process's own pending changes, which its names
// already show.
bool ChangedOnlyByUs(const struct stat& st, const Listing& listing) {
  return listing.ownChangeUntil != 0 && st.st_dev == listing.device &&
         st.st_ino == listing.inode && LastChange(st) <= listing.ownChangeUntil;
}

void Record(const struct stat& st, Listing* listing) {
  listing->device = st.st_dev;
  listing->inode = st.st_ino;
  listing->modified = st.st_mtim;
  listing->changed = st.st_ctim;
  listing->ownChangeUntil = 0;
}

// The names as the folder lists them after the given state of it was taken; false when it
// cannot be read.
bool ReadListing(const std::string& folder, const struct stat& st, Listing* listing) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  Record(st, listing);
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

// The entry named exactly so, or else one named so in other letter case.
bool Find(const Listing& listing, const std::string& name, std::string* found) {
  const auto [first, last] = listing.byUpper.equal_range(Upper(name));
  if (first == last) return false;
  const auto exact = std::find_if(first, last, [&](const auto& entry) { return entry.second == name; });
  *found = exact != last ? exact->second : first->second;
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

// The folder of a host path and the entry's name in it.
struct Entry {
  std::string folder;
  std::string name;
};

Entry Split(const std::string& hostPath) {
  const size_t slash = hostPath.find_last_of('/');
  if (slash == std::string::npos) return {".", hostPath};
  return {slash == 0 ? "/" : hostPath.substr(0, slash), hostPath.substr(slash + 1)};
}

void Add(Listing* listing, const std::string& name) {
  const std::string upper = Upper(name);
  const auto [first, last] = listing->byUpper.equal_range(upper);
  if (std::none_of(first, last, [&](const auto& entry) { return entry.second == name; }))
    listing->byUpper.emplace(upper, name);
}

void Remove(Listing* listing, const std::string& name) {
  const auto [first, last] = listing->byUpper.equal_range(Upper(name));
  const auto at = std::find_if(first, last, [&](const auto& entry) { return entry.second == name; });
  if (at != last) listing->byUpper.erase(at);
}

// Applies this process's change to the kept names of folder; the folder's new state is taken
// at the next lookup. The cache lock is held.
template <typename Change>
void Update(const std::string& folder, Change&& change) {
  const auto kept = Cache().find(folder);
  if (kept == Cache().end()) return;
  change(&kept->second);
  kept->second.ownChangeUntil = Now();
}

// What the kept names of a folder in the given state say about name; Unknown when they are not
// kept or the folder changed since, other than by this process. The cache lock is held.
KeptAnswer AnswerFromKept(const std::string& path, const struct stat& st, const std::string& name,
                          std::string* found) {
  const auto cached = Cache().find(path);
  if (cached == Cache().end()) return KeptAnswer::Unknown;
  if (ChangedOnlyByUs(st, cached->second)) Record(st, &cached->second);
  if (!Unchanged(st, cached->second)) return KeptAnswer::Unknown;
  return Find(cached->second, name, found) ? KeptAnswer::Found : KeptAnswer::Absent;
}

}  // namespace

bool FindCaseVariant(const std::string& folder, const std::string& name, std::string* found) {
  struct stat st {};
  if (stat(folder.empty() ? "/" : folder.c_str(), &st) != 0) return false;
  return FindCaseVariant(folder, st, name, found);
}

bool FindCaseVariant(const std::string& folder, const struct stat& st, const std::string& name,
                     std::string* found) {
  const std::string path = folder.empty() ? "/" : folder;
  if (!S_ISDIR(st.st_mode)) return false;
  {
    std::lock_guard<std::mutex> lock(CacheMutex());
    const KeptAnswer answer = AnswerFromKept(path, st, name, found);
    if (answer != KeptAnswer::Unknown) return answer == KeptAnswer::Found;
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

bool IsKept(const std::string& folder) {
  std::lock_guard<std::mutex> lock(CacheMutex());
  return Cache().count(folder.empty() ? "/" : folder) != 0;
}

KeptAnswer LookUpKept(const std::string& folder, const std::string& name, std::string* found) {
  const std::string path = folder.empty() ? "/" : folder;
  {
    std::lock_guard<std::mutex> lock(CacheMutex());
    if (Cache().find(path) == Cache().end()) return KeptAnswer::Unknown;
  }
  struct stat st {};
  const bool isFolder = stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  std::lock_guard<std::mutex> lock(CacheMutex());
  if (!isFolder) {
    // Gone, or something else by now: forgotten, so that the next lookup asks a folder that is
    // there instead of looking at this one again.
    Cache().erase(path);
    return KeptAnswer::Unknown;
  }
  return AnswerFromKept(path, st, name, found);
}

void NoteEntryAdded(const std::string& hostPath) {
  const Entry entry = Split(hostPath);
  std::lock_guard<std::mutex> lock(CacheMutex());
  Update(entry.folder, [&](Listing* listing) { Add(listing, entry.name); });
}

void NoteEntryRemoved(const std::string& hostPath) {
  const Entry entry = Split(hostPath);
  std::lock_guard<std::mutex> lock(CacheMutex());
  Cache().erase(hostPath);
  Update(entry.folder, [&](Listing* listing) { Remove(listing, entry.name); });
}

void NoteEntryRenamed(const std::string& fromHostPath, const std::string& toHostPath) {
  const Entry from = Split(fromHostPath);
  const Entry to = Split(toHostPath);
  std::lock_guard<std::mutex> lock(CacheMutex());
  Cache().erase(fromHostPath);
  Cache().erase(toHostPath);
  if (from.folder != to.folder) Update(from.folder, [&](Listing* l) { Remove(l, from.name); });
  Update(to.folder, [&](Listing* listing) {
    if (from.folder == to.folder) Remove(listing, from.name);
    Add(listing, to.name);
  });
}

void NoteFolderCreated(const std::string& hostPath) {
  NoteEntryAdded(hostPath);
  struct stat st {};
  if (stat(hostPath.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
  Listing listing;
  Record(st, &listing);
  Add(&listing, ".");
  Add(&listing, "..");
  std::lock_guard<std::mutex> lock(CacheMutex());
  if (Cache().size() >= kMostFolders) Cache().clear();
  Cache()[hostPath] = std::move(listing);
}

}  // namespace cd::os::posix

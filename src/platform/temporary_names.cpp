// Temporary names beside targets, and the sweep of leftovers with such names.
#include "platform/temporary_names.h"

#include <atomic>
#include <mutex>
#include <random>
#include <unordered_set>

#include "platform/files.h"
#include "platform/temporary_files.h"

namespace cd::os {
namespace {

constexpr const char kMark[] = ".~";
constexpr const char kExtension[] = ".tmp";
constexpr size_t kDigits = 8;
constexpr size_t kSuffixSize = 2 + kDigits + 4;

// A value for this process taken once from the system's random source.
unsigned ProcessSeed() {
  static const unsigned seed = std::random_device()();
  return seed;
}

bool IsLowerHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

}  // namespace

// Beside the target, so the rename stays on one drive.
std::string TemporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const unsigned value = ProcessSeed() ^ (counter++ * 2654435761u);
  static const char kHex[] = "0123456789abcdef";
  std::string suffix;
  for (int shift = 28; shift >= 0; shift -= 4) suffix += kHex[(value >> shift) & 0xF];
  return target + kMark + suffix + kExtension;
}

bool IsTemporaryName(const std::string& fileName) {
  if (fileName.size() <= kSuffixSize) return false;
  const size_t at = fileName.size() - kSuffixSize;
  if (fileName.compare(at, 2, kMark) != 0 || fileName.compare(at + 2 + kDigits, 4, kExtension) != 0)
    return false;
  for (size_t i = at + 2; i < at + 2 + kDigits; ++i)
    if (!IsLowerHex(fileName[i])) return false;
  return true;
}

// The sweep holds the lock: another thread that is to write into the folder waits until it is
// done, so that the sweep never meets a temporary file that thread has only just made.
void SweepLeftoversOnce(const std::string& folder) {
  static std::mutex mutex;
  static std::unordered_set<std::string> swept;
  std::lock_guard<std::mutex> lock(mutex);
  if (!swept.insert(folder).second) return;
  for (const std::string& name : ListDirectory(folder, "*.tmp"))
    if (IsTemporaryName(name)) RemoveLeftover(folder + name);
}

}  // namespace cd::os

// The in-process table of open files and their share modes.
#include "platform/posix/share_table.h"

#include <map>
#include <mutex>

namespace cd::os::posix {
namespace {

struct OpenEntry {
  dev_t device;
  ino_t inode;
  ShareClaim claim;
};

struct State {
  std::mutex mutex;
  std::map<uint64_t, OpenEntry> entries;
  uint64_t nextToken = 1;
};

State& TheState() {
  static State state;
  return state;
}

bool Conflicts(const ShareClaim& a, const ShareClaim& b) {
  return (a.read && !b.shareRead) || (a.write && !b.shareWrite) || (b.read && !a.shareRead) ||
         (b.write && !a.shareWrite);
}

}  // namespace

uint64_t AcquireShare(dev_t device, ino_t inode, const ShareClaim& claim) {
  State& state = TheState();
  std::lock_guard<std::mutex> lock(state.mutex);
  for (const auto& [token, entry] : state.entries) {
    if (entry.device == device && entry.inode == inode && Conflicts(claim, entry.claim)) return 0;
  }
  const uint64_t token = state.nextToken++;
  state.entries.emplace(token, OpenEntry{device, inode, claim});
  return token;
}

void ReleaseShare(uint64_t token) {
  State& state = TheState();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.entries.erase(token);
}

bool IsFileOpen(dev_t device, ino_t inode) {
  State& state = TheState();
  std::lock_guard<std::mutex> lock(state.mutex);
  for (const auto& [token, entry] : state.entries) {
    if (entry.device == device && entry.inode == inode) return true;
  }
  return false;
}

}  // namespace cd::os::posix

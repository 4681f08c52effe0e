// Claimed temporary files on POSIX: a lock that other runs see, and a fixed table that the
// interrupt handler reads.
#include "platform/temporary_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

#include "platform/posix/folder_names.h"
#include "platform/posix/posix_file.h"
#include "platform/posix/share_table.h"

namespace cd::os {
namespace {

constexpr int kSlots = 64;
constexpr size_t kPathRoom = 4096;
enum SlotState : int { kFree, kFilling, kClaimed };

struct Slot {
  std::atomic<int> state{kFree};
  char path[kPathRoom] = {};
};

// Constant-initialized, so the table lies in zeroed memory that no code touches at start
// (initialized at run time, the 64 slots of 4 KiB each would cost 64 page faults in every
// process).
constinit Slot claims[kSlots];
std::atomic<int> interruptStatus{2};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the table lock-free");

// The handler may do only async-signal-safe work, so it cannot unwind the run: it unlinks the
// claimed files by name and ends the process with _exit. That is sound because an installed
// file is replaced only by renaming a complete temporary file over it, so every target is
// either as it was or wholly new; a flag polled by the copy loop instead would leave a signal
// unanswered while the run waits at a prompt or for a registering program.
void OnInterrupt(int) {
  for (Slot& slot : claims)
    if (slot.state.load(std::memory_order_acquire) == kClaimed) unlink(slot.path);
  _exit(interruptStatus.load(std::memory_order_relaxed));
}

int TakeSlot(const std::string& hostPath) {
  if (hostPath.size() >= kPathRoom) return -1;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!claims[i].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(claims[i].path, hostPath.c_str(), hostPath.size() + 1);
    claims[i].state.store(kClaimed, std::memory_order_release);
    return i;
  }
  return -1;
}

void Answer(int signal) {
  struct sigaction previous {};
  sigaction(signal, nullptr, &previous);
  if (previous.sa_handler == SIG_IGN) return;  // started to ignore it: keep doing so
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  sigaction(signal, &action, nullptr);
}

}  // namespace

// The lock is an flock on a descriptor of its own, which another run's sweep cannot take while
// this one holds it. Only in the moment between the file's creation and its claim could such a
// sweep take it, which needs both runs' first write into one folder at the same instant. A
// descriptor duplicated from the open file shares its opening, and so its lock, and keeps both
// after the file itself is closed; it needs no search for the name.
TemporaryFileClaim::TemporaryFileClaim(const std::string& hostPath, File* open)
    : slot_(TakeSlot(hostPath)) {
  auto* posixFile = dynamic_cast<posix::PosixFile*>(open);
  lock_ = posixFile ? fcntl(posixFile->Descriptor(), F_DUPFD_CLOEXEC, 0)
                    : ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (lock_ >= 0 && flock(lock_, LOCK_EX | LOCK_NB) != 0) {
    close(lock_);
    lock_ = -1;
  }
}

TemporaryFileClaim::~TemporaryFileClaim() {
  if (slot_ >= 0) claims[slot_].state.store(kFree, std::memory_order_release);
  if (lock_ >= 0) close(lock_);
}

bool RemoveLeftover(const std::string& hostPath) {
  const int fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  const bool unused = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                      !posix::IsFileOpen(st.st_dev, st.st_ino) && flock(fd, LOCK_EX | LOCK_NB) == 0;
  const bool removed = unused && unlink(hostPath.c_str()) == 0;
  close(fd);
  if (removed) posix::NoteEntryRemoved(hostPath);
  return removed;
}

void EndRunOnInterrupt(int exitStatus) {
  interruptStatus.store(exitStatus, std::memory_order_relaxed);
  Answer(SIGINT);
  Answer(SIGTERM);
}

}  // namespace cd::os

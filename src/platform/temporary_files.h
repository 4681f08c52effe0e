// Temporary files that a run writes beside their targets, and what becomes of them when the run
// is interrupted or killed. Each platform implements this contract.
#pragma once

#include <string>

#include "platform/files.h"

namespace cd::os {

// A temporary file that this process has just created and is writing, claimed while the object
// lives: an interrupt of the run removes it (EndRunOnInterrupt), and another run that sweeps
// leftovers (RemoveLeftover) leaves it alone. Never fails: an unclaimed file is only left
// behind by an interrupt, for the next run's sweep. Given the file as this process holds it open,
// the claim is taken through that opening instead of opening the file again by name.
class TemporaryFileClaim {
 public:
  explicit TemporaryFileClaim(const std::string& hostPath, File* open = nullptr);
  ~TemporaryFileClaim();
  TemporaryFileClaim(const TemporaryFileClaim&) = delete;
  TemporaryFileClaim& operator=(const TemporaryFileClaim&) = delete;

 private:
  int slot_ = -1;     // POSIX: the entry in the table the interrupt handler reads
  int lock_ = -1;     // POSIX: the descriptor that holds the claim's lock
  std::string name_;  // Windows: the name in this process's table of claims
};

// Removes a temporary file that an earlier run left behind; false, with the file kept, when a
// live process claims it (on Windows: this process claims it or another has it open) or it
// cannot be removed.
bool RemoveLeftover(const std::string& hostPath);

// POSIX: from now on SIGINT and SIGTERM remove every claimed temporary file and end the process
// with exitStatus. Windows: nothing; a windowed program gets no such signals, and a process
// ended by force leaves its temporary files to the next run's sweep.
void EndRunOnInterrupt(int exitStatus);

}  // namespace cd::os

// Claimed temporary files on Windows: an open temporary file cannot be deleted, so a live run's
// files need no claim of their own, and no signal ends a windowed program.
#include "platform/temporary_files.h"

#include <windows.h>

namespace cd::os {

TemporaryFileClaim::TemporaryFileClaim(const std::string&, File*) {}

TemporaryFileClaim::~TemporaryFileClaim() = default;

bool RemoveLeftover(const std::string& hostPath) {
  return DeleteFileA(hostPath.c_str()) != 0;
}

void EndRunOnInterrupt(int) {}

}  // namespace cd::os

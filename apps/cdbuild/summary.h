// What cdbuild reports when a medium has been built.
#pragma once

#include <cstdint>
#include <string>

#include "runner/install_manager.h"

namespace cd::build {

struct Summary {
  int items = 0;            // file items put onto the medium (a group counts once)
  int packed = 0;           // of them, lying packed on the medium
  int64_t bytesBefore = 0;  // sizes of the source files (of every group member)
  int64_t bytesAfter = 0;   // sizes of the files on the medium
  // Files (and group members) that would have been stored unchanged but begin with the
  // packing signature, and were packed so that they read back as they are.
  int packedForSignature = 0;
  int cards = 0;  // library cards written
  std::string configName;
  int64_t configSize = 0;
  bool configPacked = false;
};

// Gathers the figures from a built install manager: its items' and the configuration's.
Summary Summarize(TInstallManager& manager);
// The summary as lines for people to read.
std::string SummaryText(const TInstallManager& manager, const Summary& summary);

}  // namespace cd::build

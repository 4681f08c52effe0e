// What putting one item onto the distribution found, kept for the build's summary so that the
// summary need not read every file again.
#pragma once

#include <cstdint>

namespace cd {

struct TBuildFigures {
  int64_t sourceBytes = 0;     // the source file's size; for a group, its members' together
  int64_t destBytes = 0;       // the size of the file on the distribution
  bool destPacked = false;     // the file on the distribution holds packed data
  int packedForSignature = 0;  // files packed only because they begin with the signature
};

}  // namespace cd

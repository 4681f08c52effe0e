// What putting one item onto the distribution found, kept for the build's summary so that the
// summary need not read every file again.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/sha256.h"

namespace cd {

struct TBuildFigures {
  int64_t sourceBytes = 0;     // the source file's size; for a group, its members' together
  int64_t destBytes = 0;       // the size of the file on the distribution
  bool destPacked = false;     // the file on the distribution holds packed data
  int packedForSignature = 0;  // files packed only because they begin with the signature
  // The SHA-256 of the file on the distribution, taken as it was written; none for a member
  // of a group, whose bytes go into the group's file.
  std::optional<os::Sha256Digest> destDigest;
};

}  // namespace cd

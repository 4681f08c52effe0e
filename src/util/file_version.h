// The file version of an executable file as one 64-bit number.
#pragma once

#include <cstdint>
#include <string>

namespace cd {

// Most significant double word of the fixed file version in the high 32 bits, least
// significant in the low 32 bits, so that versions compare as numbers. Fails with
// "LowUtils.GetFileVersion: File <name> does not have file version info (n)": (1) no version
// information or no such file, (2) it cannot be read, (3) it has no fixed part.
uint64_t GetFileVersion(const std::string& fileName);

}  // namespace cd

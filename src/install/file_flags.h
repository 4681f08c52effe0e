// TFileFlags: how a file item is packed, embedded in a group and written to the user's disk;
// a set held as a bit mask (element n is bit 1 << n).
#pragma once

#include <cstdint>

#include "config/prop_info.h"

namespace cd {

enum TFileFlag : int {
  fg_SingleNotCompress = 0,             // a single file is copied to the medium unpacked
  fg_GroupNotCompress = 1,              // a group file is written unpacked
  fg_GroupItemCompress = 2,             // data embedded in a group is packed
  fg_GroupItemCompressToUserDisk = 3,   // unpacked embedded data is packed on the user's disk
  fg_GroupItemDeompressToUserDisk = 4,  // packed embedded data is unpacked on the user's disk
  fg_ErrorIfExists = 5,                 // installing fails when the target already exists
};
using TFileFlags = uint32_t;

const TEnumTypeInfo& FileFlagType();

}  // namespace cd

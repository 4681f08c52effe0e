// Element names of TFileFlags.
#include "install/file_flags.h"

namespace cd {

const TEnumTypeInfo& FileFlagType() {
  static const TEnumTypeInfo info{
      "TFileFlag",
      {"fg_SingleNotCompress", "fg_GroupNotCompress", "fg_GroupItemCompress",
       "fg_GroupItemCompressToUserDisk", "fg_GroupItemDeompressToUserDisk", "fg_ErrorIfExists"}};
  return info;
}

}  // namespace cd

// The binary form of object text (the "TPF0" component stream): its value codes and its
// signature. TBinaryReader and TBinaryWriter read and write it; all numbers are little-endian.
#pragma once

#include <cstdint>

namespace cd {

enum class TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
};

inline constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

}  // namespace cd

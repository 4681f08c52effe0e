// Packed streams: a 4-byte signature followed by DCL implode data. Streams of 1000 bytes or
// less are never packed but stored unchanged, without the signature.
#pragma once

#include <cstdint>
#include <string>

#include "streams/stream.h"

namespace cd {

inline constexpr uint8_t kPackedSignature[4] = {0x2C, 0x91, 0x4A, 0xE3};
inline constexpr int64_t kLargestStoredSize = 1000;

// True when the next 4 bytes are the signature; the position is then behind it, otherwise
// where it was.
bool IsPacked(TStream& stream);
// True when the next 4 bytes are the signature; the position stays.
bool BeginsWithSignature(TStream& stream);

// Decodes the DCL data at source's position into dest at dest's position. Damaged data fails
// with "PKWareError \"<name>\"" after the bytes decoded so far have been written; a failure
// of source's read or of dest's write fails the call with that failure (here and in packing).
void UnpackStream(TStream& source, TStream& dest);

// Stores source from its position unchanged when its whole size is 1000 bytes or less;
// otherwise writes the signature and the encoded data (binary literals, 4096-byte window).
// Returns whether it packed.
bool PackStream(TStream& source, TStream& dest);
// The packed form of source from its position (signature and encoded data) whatever its size:
// for stored contents that begin with the signature and would be read back as packed data.
void PackStreamAlways(TStream& source, TStream& dest);

// PackStream from the named file into a new file (an existing one is replaced).
void PackFileToFile(const std::string& sourceName, const std::string& destName);

}  // namespace cd

// Packed data in tests: data packed as the build packs it, what packed bytes hold, and bytes as
// an install leaves them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "streams/memory_stream.h"
#include "streams/packed_stream.h"

namespace cd::test {

// The data in the packed form, signature first.
inline std::string Packed(const std::string& data) {
  TMemoryStream in(data), out;
  PackStream(in, out);
  return std::string(out.Data());
}

// The data that packed bytes hold. Bytes that are not packed fail the calling test and give
// "<not packed>", so that no comparison with them can pass.
inline std::string Unpacked(const std::string& packed) {
  TMemoryStream in(packed);
  if (!IsPacked(in)) {
    ADD_FAILURE() << "not packed: " << packed.size() << " bytes";
    return "<not packed>";
  }
  TMemoryStream out;
  UnpackStream(in, out);
  return std::string(out.Data());
}

// The bytes as they are installed: unpacked when they are packed, else as they are.
inline std::string AsInstalled(const std::string& bytes) {
  TMemoryStream in(bytes);
  return IsPacked(in) ? Unpacked(bytes) : bytes;
}

}  // namespace cd::test

// The encoder's repetition search: the position index by 2-byte hash, chains of equal 4-byte
// prefixes, and the longest-match search over them.
#pragma once

#include <cstdint>

#include "streams/dcl_implode.h"

namespace cd::dcl {

struct TRepetition {
  uint32_t length = 0;    // 0: none
  uint32_t distance = 0;  // bytes back minus 1
};

// Enters every buffer position in [from, to) under the hash of the two bytes there, and
// those whose 4 bytes end before dataEnd in the 4-byte chains.
void BuildIndex(TImplodeWork& w, uint32_t from, uint32_t to, uint32_t dataEnd);

// The longest earlier repetition of the bytes at pos, looking no further than dataEnd and at
// most 516 bytes, and at most dictionary size - 1 bytes back; among equal lengths the nearest
// wins. Searches must come at non-decreasing positions after each BuildIndex.
TRepetition FindRepetition(TImplodeWork& w, uint32_t pos, uint32_t dataEnd);

}  // namespace cd::dcl

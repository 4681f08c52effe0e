// The encoder's repetition search: chains of the positions whose first 4, 3 and 2 bytes hash
// alike, built as input arrives and slid with the buffer, and the longest-match search over
// them.
#pragma once

#include <cstdint>

#include "streams/dcl_implode.h"

namespace cd::dcl {

// Length-2 repetitions with a stored distance from here on cost more than two literals.
inline constexpr uint32_t kFarForTwo = 256;

struct TRepetition {
  uint32_t length = 0;    // 0: none
  uint32_t distance = 0;  // bytes back minus 1
};

// Empties the index; the first position entered is from.
void StartIndex(TImplodeWork& w, uint32_t from);

// Enters the positions from the last one entered up to to: in the 4-, 3- and 2-byte chains
// those whose first 4, 3 or 2 bytes lie before dataEnd.
void ExtendIndex(TImplodeWork& w, uint32_t to, uint32_t dataEnd);

// Follows the buffer when its first `by` bytes are dropped and the rest moves to the front.
void SlideIndex(TImplodeWork& w, uint32_t by);

// The longest earlier repetition of the bytes at pos, looking no further than dataEnd and at
// most 516 bytes, and at most dictionary size - 1 bytes back; among equal lengths the nearest
// wins; one of 2 bytes only with a stored distance below kFarForTwo, since a farther one is
// never written. Every position before pos must be in the index.
TRepetition FindRepetition(const TImplodeWork& w, uint32_t pos, uint32_t dataEnd);

}  // namespace cd::dcl

// The encoder's position index and longest-match search.
#include "streams/dcl_search.h"

#include <algorithm>
#include <iterator>

namespace cd::dcl {
namespace {

constexpr uint32_t kLongest = TImplodeWork::kLookAhead;

uint32_t Hash(const uint8_t* at) {
  return at[0] * 4u + at[1] * 5u;
}

}  // namespace

void BuildIndex(TImplodeWork& w, uint32_t from, uint32_t to) {
  std::fill(std::begin(w.hashStart), std::end(w.hashStart), uint16_t{0});
  for (uint32_t pos = from; pos < to; ++pos) ++w.hashStart[Hash(w.buf + pos) + 1];
  for (uint32_t h = 1; h <= TImplodeWork::kHashCount; ++h) w.hashStart[h] += w.hashStart[h - 1];
  std::copy(w.hashStart, w.hashStart + TImplodeWork::kHashCount, w.hashCursor);
  for (uint32_t pos = from; pos < to; ++pos) {
    w.positions[w.hashCursor[Hash(w.buf + pos)]++] = static_cast<uint16_t>(pos);
  }
  std::copy(w.hashStart, w.hashStart + TImplodeWork::kHashCount, w.hashCursor);
}

TRepetition FindRepetition(TImplodeWork& w, uint32_t pos, uint32_t dataEnd) {
  const uint32_t limit = std::min(kLongest, dataEnd - pos);
  if (limit < 2) return {};
  const uint8_t* here = w.buf + pos;
  const uint32_t hash = Hash(here);
  const uint32_t oldest = pos >= w.dictSize - 1 ? pos - (w.dictSize - 1) : 0;
  const uint16_t* first = w.positions + w.hashCursor[hash];
  const uint16_t* end = w.positions + w.hashStart[hash + 1];
  while (first < end && *first < oldest) ++first;
  w.hashCursor[hash] = static_cast<uint16_t>(first - w.positions);

  // Nearest candidates first, so that a later one must be strictly longer to win.
  uint32_t best = 1;
  uint32_t bestPos = 0;
  for (const uint16_t* at = std::lower_bound(first, end, pos); at != first && best < limit;) {
    const uint8_t* there = w.buf + *--at;
    if (there[0] != here[0] || there[best] != here[best]) continue;
    uint32_t length = 1;
    while (length < limit && there[length] == here[length]) ++length;
    if (length > best) {
      best = length;
      bestPos = *at;
    }
  }
  if (best < 2) return {};
  return {best, pos - bestPos - 1};
}

}  // namespace cd::dcl

// The encoder's position index and longest-match search.
#include "streams/dcl_search.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

namespace cd::dcl {
namespace {

using W = TImplodeWork;

constexpr uint32_t kLongest = W::kLookAhead;
// Repetitions of at least this length are searched along the 4-byte chains.
constexpr uint32_t kChainKey = 4;

uint32_t Hash(const uint8_t* at) {
  return at[0] * 4u + at[1] * 5u;
}

// How many of the first limit bytes of a and b agree; eight at a time where the byte order
// allows it.
uint32_t MatchLength(const uint8_t* a, const uint8_t* b, uint32_t limit) {
  uint32_t n = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; n + 8 <= limit; n += 8) {
      uint64_t x, y;
      std::memcpy(&x, a + n, 8);
      std::memcpy(&y, b + n, 8);
      if (x != y) return n + static_cast<uint32_t>(std::countr_zero(x ^ y)) / 8;
    }
  }
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

uint32_t ChainHash(const uint8_t* at) {
  const uint32_t key = at[0] | (at[1] << 8) | (at[2] << 16) | (uint32_t(at[3]) << 24);
  return (key * 2654435761u) >> (32 - W::kChainHashBits);
}

void BuildPairIndex(W& w, uint32_t from, uint32_t to) {
  std::fill(std::begin(w.hashStart), std::end(w.hashStart), uint16_t{0});
  for (uint32_t pos = from; pos < to; ++pos) ++w.hashStart[Hash(w.buf + pos) + 1];
  for (uint32_t h = 1; h <= W::kHashCount; ++h) w.hashStart[h] += w.hashStart[h - 1];
  std::copy(w.hashStart, w.hashStart + W::kHashCount, w.hashCursor);
  for (uint32_t pos = from; pos < to; ++pos) {
    w.positions[w.hashCursor[Hash(w.buf + pos)]++] = static_cast<uint16_t>(pos);
  }
  std::copy(w.hashStart, w.hashStart + W::kHashCount, w.hashCursor);
}

void BuildChains(W& w, uint32_t from, uint32_t to) {
  std::fill(std::begin(w.chainHead), std::end(w.chainHead), W::kNoPosition);
  for (uint32_t pos = from; pos < to; ++pos) {
    uint16_t& head = w.chainHead[ChainHash(w.buf + pos)];
    w.chainPrev[pos] = head;
    head = static_cast<uint16_t>(pos);
  }
}

// The longest repetition of at least 4 bytes, nearest first so that a farther one must be
// strictly longer to win; length 0 when there is none.
TRepetition SearchChain(const W& w, uint32_t pos, uint32_t limit, uint32_t oldest) {
  const uint8_t* here = w.buf + pos;
  uint32_t best = kChainKey - 1;
  uint32_t bestPos = 0;
  for (uint32_t at = w.chainPrev[pos]; at != W::kNoPosition && at >= oldest && best < limit;
       at = w.chainPrev[at]) {
    const uint8_t* there = w.buf + at;
    if (there[best] != here[best]) continue;  // cannot be longer
    const uint32_t length = MatchLength(there, here, limit);
    if (length > best) {
      best = length;
      bestPos = at;
    }
  }
  if (best < kChainKey) return {};
  return {best, pos - bestPos - 1};
}

// The longest repetition of at most limit bytes among the positions with the same byte pair.
TRepetition SearchPairs(W& w, uint32_t pos, uint32_t limit, uint32_t oldest) {
  const uint8_t* here = w.buf + pos;
  const uint32_t hash = Hash(here);
  const uint16_t* first = w.positions + w.hashCursor[hash];
  const uint16_t* end = w.positions + w.hashStart[hash + 1];
  while (first < end && *first < oldest) ++first;
  w.hashCursor[hash] = static_cast<uint16_t>(first - w.positions);

  uint32_t best = 1;
  uint32_t bestPos = 0;
  for (const uint16_t* at = std::lower_bound(first, end, pos); at != first && best < limit;) {
    const uint8_t* there = w.buf + *--at;
    if (there[0] != here[0] || there[best] != here[best]) continue;
    const uint32_t length = MatchLength(there, here, limit);
    if (length > best) {
      best = length;
      bestPos = *at;
    }
  }
  if (best < 2) return {};
  return {best, pos - bestPos - 1};
}

}  // namespace

void BuildIndex(TImplodeWork& w, uint32_t from, uint32_t to, uint32_t dataEnd) {
  BuildPairIndex(w, from, to);
  BuildChains(w, from, std::min(to, dataEnd >= 3 ? dataEnd - 3 : 0));
}

// Every repetition of 4 bytes or more is on the chain of the position, so the pairs are only
// searched when the chain has none: then for at most 3 bytes.
TRepetition FindRepetition(TImplodeWork& w, uint32_t pos, uint32_t dataEnd) {
  const uint32_t limit = std::min(kLongest, dataEnd - pos);
  if (limit < 2) return {};
  const uint32_t oldest = pos >= w.dictSize - 1 ? pos - (w.dictSize - 1) : 0;
  if (limit < kChainKey) return SearchPairs(w, pos, limit, oldest);
  const TRepetition longer = SearchChain(w, pos, limit, oldest);
  if (longer.length != 0) return longer;
  return SearchPairs(w, pos, kChainKey - 1, oldest);
}

}  // namespace cd::dcl

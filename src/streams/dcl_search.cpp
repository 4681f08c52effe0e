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
// The chains by the length of their key.
constexpr int kChain4 = 0;
constexpr int kChain3 = 1;
constexpr int kChain2 = 2;
constexpr uint32_t kKeyLength[] = {4, 3, 2};

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

uint32_t Load32(const uint8_t* at) {
  uint32_t value;
  std::memcpy(&value, at, 4);
  return value;
}

// The first KeyLength bytes at `at`, spread over 32 bits by a multiplicative hash.
template <uint32_t KeyLength>
uint32_t KeyHash(const uint8_t* at) {
  uint32_t key = at[0] | (at[1] << 8);
  if constexpr (KeyLength >= 3) key |= at[2] << 16;
  if constexpr (KeyLength >= 4) key |= uint32_t(at[3]) << 24;
  return (key * 2654435761u) >> (32 - W::kChainHashBits);
}

// Enters position pos in the chain of keys of KeyLength bytes.
template <uint32_t KeyLength>
void Enter(W& w, W::TChain& chain, uint32_t pos) {
  uint32_t& head = chain.head[KeyHash<KeyLength>(w.buf + pos)];
  const uint32_t absolute = w.indexBase + pos;
  const uint32_t back = head != 0 ? absolute - head : 0;
  chain.link[pos] = static_cast<uint16_t>(back < W::kMaxDict ? back : 0);
  head = absolute;
}

// The first position whose first KeyLength bytes do not all lie before dataEnd.
template <uint32_t KeyLength>
uint32_t LastStart(uint32_t dataEnd) {
  return dataEnd >= KeyLength ? dataEnd - KeyLength + 1 : 0;
}

// Enters the positions [from, up to `to`) whose first KeyLength bytes lie before dataEnd.
template <uint32_t KeyLength>
void EnterUpTo(W& w, W::TChain& chain, uint32_t from, uint32_t to, uint32_t dataEnd) {
  for (uint32_t pos = from; pos < std::min(to, LastStart<KeyLength>(dataEnd)); ++pos) {
    Enter<KeyLength>(w, chain, pos);
  }
}

constexpr uint32_t kChainEnd = 0xFFFFFFFF;

// The next older position of a chain, or kChainEnd when the chain ends or leaves the window.
uint32_t Older(const W::TChain& chain, uint32_t at, uint32_t oldest) {
  const uint32_t back = chain.link[at];
  return back != 0 && back <= at - oldest ? at - back : kChainEnd;
}

// How many of the limit bytes from `from` on, or with kBack of those before it counted back
// from it, are `value`; eight at a time where the byte order allows it.
template <bool kBack>
uint32_t RunLength(const uint8_t* from, uint8_t value, uint32_t limit) {
  uint32_t n = 0;
  if constexpr (std::endian::native == std::endian::little) {
    const uint64_t spread = value * 0x0101010101010101u;
    for (; n + 8 <= limit; n += 8) {
      uint64_t x;
      std::memcpy(&x, kBack ? from - n - 8 : from + n, 8);
      const uint64_t differ = x ^ spread;
      if (differ != 0)
        return n +
               static_cast<uint32_t>(kBack ? std::countl_zero(differ) : std::countr_zero(differ)) /
                   8;
    }
  }
  while (n < limit && (kBack ? from[-1 - static_cast<int64_t>(n)] : from[n]) == value) ++n;
  return n;
}

// The best repetition among the positions of one run of a byte, found as a whole: in runs of
// one byte (the zeros of machine code above all) every position's chain holds every position
// of every run of that byte in the window, and a walk position by position dominated the time.
struct TRunRepetition {
  uint32_t length;
  uint32_t at;      // the nearest position of the run with that length
  uint32_t lowest;  // the run's oldest position on the chain, where the walk goes on
};

// `at` is the newest position of a run on the chain of `pos`, whose bytes start with `run` (4
// or more, at most limit) repetitions of the same byte. A position x of the run, with r(x)
// such bytes from x on, repeats min(r(x), run) bytes of pos, and more only where r(x) equals
// run and the bytes behind both runs agree; so the run's best is that position, or else the
// nearest with the most.
TRunRepetition BestOfRun(const W& w, uint32_t at, uint32_t pos, uint32_t run, uint32_t limit,
                         uint32_t oldest) {
  const uint8_t value = w.buf[pos];
  // Every position from the first indexed one up to pos is on its chains, so the run's
  // positions follow each other on the chain down to its first byte.
  const uint32_t bottom = std::max(oldest, w.firstIndexed);
  const uint32_t lowest = at - RunLength<true>(w.buf + at, value, at - bottom);
  const uint32_t fromAt = RunLength<false>(w.buf + at, value, limit + 1);
  if (fromAt > run) return {run, at, lowest};
  const uint32_t end = at + fromAt;
  if (end < lowest + run) return {end - lowest, lowest, lowest};
  const uint32_t x = end - run;
  const uint32_t behind =
      run < limit ? MatchLength(w.buf + end, w.buf + pos + run, limit - run) : 0;
  return {run + behind, x, lowest};
}

// The longest repetition of at least 4 bytes, nearest first so that a farther one must be
// strictly longer to win; length 0 when there is none.
TRepetition SearchLong(const W& w, uint32_t pos, uint32_t limit, uint32_t oldest) {
  const W::TChain& chain = w.chains[kChain4];
  const uint8_t* here = w.buf + pos;
  const uint32_t key = Load32(here);
  const bool isRun = key == (key & 0xFF) * 0x01010101u;
  const uint32_t run = isRun ? RunLength<false>(here, here[0], limit) : 0;
  uint32_t best = kKeyLength[kChain4] - 1;
  uint32_t bestPos = 0;
  for (uint32_t at = Older(chain, pos, oldest); at != kChainEnd && best < limit;
       at = Older(chain, at, oldest)) {
    const uint8_t* there = w.buf + at;
    if (isRun && Load32(there) == key) {
      const TRunRepetition inRun = BestOfRun(w, at, pos, run, limit, oldest);
      if (inRun.length > best) {
        best = inRun.length;
        bestPos = inRun.at;
      }
      at = inRun.lowest;
      continue;
    }
    if (Load32(there + best - 3) != Load32(here + best - 3)) continue;  // cannot be longer
    const uint32_t length = MatchLength(there, here, limit);
    if (length > best) {
      best = length;
      bestPos = at;
    }
  }
  if (best < kKeyLength[kChain4]) return {};
  return {best, pos - bestPos - 1};
}

// The nearest repetition of exactly the chain's key length; length 0 when there is none.
TRepetition SearchShort(const W& w, int which, uint32_t pos, uint32_t oldest) {
  const W::TChain& chain = w.chains[which];
  const uint32_t length = kKeyLength[which];
  const uint8_t* here = w.buf + pos;
  for (uint32_t at = Older(chain, pos, oldest); at != kChainEnd; at = Older(chain, at, oldest)) {
    if (MatchLength(w.buf + at, here, length) == length) return {length, pos - at - 1};
  }
  return {};
}

}  // namespace

void StartIndex(TImplodeWork& w, uint32_t from) {
  for (W::TChain& chain : w.chains) std::fill(std::begin(chain.head), std::end(chain.head), 0u);
  w.indexBase = 1;
  w.indexedTo = from;
  w.firstIndexed = from;
}

void ExtendIndex(TImplodeWork& w, uint32_t to, uint32_t dataEnd) {
  if (to <= w.indexedTo) return;
  // All three chains in one pass where all three keys are there, then the shorter keys' last
  // positions.
  const uint32_t whole = std::max(w.indexedTo, std::min(to, LastStart<4>(dataEnd)));
  for (uint32_t pos = w.indexedTo; pos < whole; ++pos) {
    Enter<4>(w, w.chains[kChain4], pos);
    Enter<3>(w, w.chains[kChain3], pos);
    Enter<2>(w, w.chains[kChain2], pos);
  }
  EnterUpTo<3>(w, w.chains[kChain3], whole, to, dataEnd);
  EnterUpTo<2>(w, w.chains[kChain2], whole, to, dataEnd);
  w.indexedTo = to;
}

void SlideIndex(TImplodeWork& w, uint32_t by) {
  for (W::TChain& chain : w.chains) {
    std::memmove(chain.link, chain.link + by, (w.indexedTo - by) * sizeof chain.link[0]);
  }
  w.indexBase += by;
  w.indexedTo -= by;
  w.firstIndexed = w.firstIndexed > by ? w.firstIndexed - by : 0;
  if (w.indexBase < w.indexRebaseFrom) return;
  // Heads older than the buffer are out of reach: they become none.
  const uint32_t drop = w.indexBase - 1;
  for (W::TChain& chain : w.chains) {
    for (uint32_t& head : chain.head) head = head > drop ? head - drop : 0;
  }
  w.indexBase = 1;
}

// Every repetition of 4 bytes or more is on the 4-byte chain of the position, every one of 3
// bytes on its 3-byte chain and every one of 2 on its 2-byte chain, so each shorter length is
// only searched when the longer ones have none.
TRepetition FindRepetition(const TImplodeWork& w, uint32_t pos, uint32_t dataEnd) {
  const uint32_t limit = std::min(kLongest, dataEnd - pos);
  if (limit < 2) return {};
  const uint32_t oldest = pos >= w.dictSize - 1 ? pos - (w.dictSize - 1) : 0;
  if (limit >= 4) {
    const TRepetition longer = SearchLong(w, pos, limit, oldest);
    if (longer.length != 0) return longer;
  }
  if (limit >= 3) {
    const TRepetition three = SearchShort(w, kChain3, pos, oldest);
    if (three.length != 0) return three;
  }
  return SearchShort(w, kChain2, pos, std::max(oldest, pos >= kFarForTwo ? pos - kFarForTwo : 0));
}

}  // namespace cd::dcl

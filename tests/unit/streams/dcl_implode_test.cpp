// Implode: parameters, the exact encoding it chooses (ties, the next-position comparison, the
// length-2 rule, long runs), its output blocks, and round trips through Explode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "streams/dcl.h"
#include "unit/streams/dcl_support.h"

namespace cd::test {
namespace {

TDclBuilder LiteralsOf(const std::string& bytes) {
  TDclBuilder b;
  for (char c : bytes) b.Literal(static_cast<uint8_t>(c));
  return b;
}

// Bytes 0x80 + i: no pair of them repeats and none matches text.
std::string Filler(size_t size) {
  std::string out;
  for (size_t i = 0; i < size; ++i) out += static_cast<char>(0x80 + i);
  return out;
}

TEST(ImplodeParameters, RejectsOtherWindowsAndModes) {
  int code = -1;
  EXPECT_EQ(ImplodeString("abc", 0, 1000, &code), "");
  EXPECT_EQ(code, kDclInvalidDictSize);
  ImplodeString("abc", 2, 4096, &code);
  EXPECT_EQ(code, kDclInvalidMode);
  ImplodeString("abc", 1, 1024, &code);
  EXPECT_EQ(code, kDclOk);
}

TEST(ImplodeEncoding, EmptyInputIsHeaderAndEndMarker) {
  EXPECT_EQ(ImplodeString(""), std::string("\x00\x06\x01\xFF", 4));
  EXPECT_EQ(ImplodeString("", 1, 1024), std::string("\x01\x04\x01\xFF", 4));
}

TEST(ImplodeEncoding, ReproducesTheFormatsPublishedExample) {
  EXPECT_EQ(ImplodeString("AIAIAIAIAIAIA", 0, 1024),
            std::string("\x00\x04\x82\x24\x25\x8f\x80\x7f", 8));
}

TEST(ImplodeEncoding, RunOfOneByteIsALiteralAndDistanceOneCopies) {
  const std::string expected = LiteralsOf("a").Copy(516, 1).Copy(516, 1).Copy(67, 1).End().Bytes();
  EXPECT_EQ(ImplodeString(std::string(1100, 'a')), expected);
}

TEST(ImplodeEncoding, NearestOfEqualRepetitionsWins) {
  EXPECT_EQ(ImplodeString("abcd1abcd2abcd"),
            LiteralsOf("abcd1").Copy(4, 5).Literal('2').Copy(4, 5).End().Bytes());
  const std::string twelve = "0123456789AB";
  EXPECT_EQ(ImplodeString(twelve + "x" + twelve + "y" + twelve),
            LiteralsOf(twelve + "x").Copy(12, 13).Literal('y').Copy(12, 13).End().Bytes());
}

TEST(ImplodeEncoding, LengthTwoReachesBackAtMost256Bytes) {
  std::string filler;
  for (int b = 0; b < 256; ++b) {
    if (b != 'x' && b != 'y') filler += static_cast<char>(b);
  }
  const std::string near = "xy" + filler + "xy";  // 256 back
  EXPECT_EQ(ImplodeString(near), LiteralsOf("xy" + filler).Copy(2, 256).End().Bytes());
  const std::string far = "xy" + filler + '\0' + "xy";  // 257 back
  EXPECT_EQ(ImplodeString(far), LiteralsOf(far).End().Bytes());
}

TEST(ImplodeEncoding, NextPositionLongerByTwoWins) {
  EXPECT_EQ(ImplodeString("abcXbcdefYabcdef"), LiteralsOf("abcX")
                                                   .Copy(2, 3)
                                                   .Literal('d')
                                                   .Literal('e')
                                                   .Literal('f')
                                                   .Literal('Y')
                                                   .Literal('a')
                                                   .Copy(5, 7)
                                                   .End()
                                                   .Bytes());
}

TEST(ImplodeEncoding, NextPositionLongerByOneWinsOnlyOverAFarRepetition) {
  for (const size_t gap : {120u, 121u}) {
    const std::string g = Filler(gap);
    const std::string input = "abcX" + g + "bcdeZ" + "abcde";
    TDclBuilder expected = LiteralsOf("abcX" + g);
    expected.Copy(2, static_cast<uint32_t>(gap + 3)).Literal('d').Literal('e').Literal('Z');
    if (gap == 120) {
      expected.Copy(3, 129).Copy(2, 6);  // stored distance 128: the repetition is kept
    } else {
      expected.Literal('a').Copy(4, 6);  // stored distance 129: one literal, then the longer one
    }
    EXPECT_EQ(ImplodeString(input), expected.End().Bytes()) << gap;
  }
}

TEST(ImplodeOutput, HandsOverBlocksOf2048Bytes) {
  std::vector<uint32_t> sizes;
  const std::string packed = ImplodeString(RandomBytes(10000, 3), 0, 4096, nullptr, &sizes);
  ASSERT_EQ(sizes.size(), 6u);
  for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 2048u);
  EXPECT_EQ(packed.size(), 5 * 2048u + sizes.back());
}

TEST(ImplodeOutput, FindsRepetitionsAcrossBlocks) {
  const std::string piece = RandomBytes(3000, 11);
  std::string input;
  for (int i = 0; i < 6; ++i) input += piece;
  EXPECT_LT(ImplodeString(input).size(), 3000u * 9 / 8 + 400);
}

// The encoding written out from the rules alone, by brute force over the whole input: blocks
// of 4096 bytes whose last 516 are look-ahead (except in the last block), the longest earlier
// repetition with the nearest winning ties, and the literal-or-repetition choices.
class TReferenceEncoder {
 public:
  TReferenceEncoder(const std::string& data, int mode, uint32_t dictSize)
      : data_(data),
        dictSize_(dictSize),
        out_(mode, dictSize == 1024   ? 4
                   : dictSize == 2048 ? 5
                                      : 6) {}

  std::string Encode() {
    size_t pos = 0;
    while (pos < data_.size()) {
      TRepetition rep = Find(pos);
      while (Usable(rep) && rep.length < 8 && pos + 1 < BlockEnd(pos)) {
        const TRepetition next = Find(pos + 1);
        if (!(next.length >= rep.length + 2 ||
              (next.length == rep.length + 1 && rep.distance >= 130))) {
          break;
        }
        out_.Literal(static_cast<uint8_t>(data_[pos++]));
        rep = next;
      }
      if (Usable(rep)) {
        out_.Copy(static_cast<uint32_t>(rep.length), static_cast<uint32_t>(rep.distance));
        pos += rep.length;
      } else {
        out_.Literal(static_cast<uint8_t>(data_[pos++]));
      }
    }
    return out_.End().Bytes();
  }

 private:
  struct TRepetition {
    size_t length = 0;
    size_t distance = 0;  // bytes back
  };

  static bool Usable(const TRepetition& r) {
    return r.length >= 3 || (r.length == 2 && r.distance <= 256);
  }

  // The end of the block that encodes pos: the last block ends with the data.
  size_t BlockEnd(size_t pos) const {
    const size_t lastBlock = data_.size() / 4096;
    const size_t block = (pos + 516) / 4096;
    return block >= lastBlock ? data_.size() : 4096 * (block + 1) - 516;
  }

  TRepetition Find(size_t pos) const {
    const size_t limit = std::min<size_t>(516, data_.size() - pos);
    TRepetition best{1, 0};
    for (size_t back = 1; back < dictSize_ && back <= pos && limit >= 2; ++back) {
      size_t length = 0;
      while (length < limit && data_[pos - back + length] == data_[pos + length]) ++length;
      if (length > best.length) best = {length, back};
      if (best.length == limit) break;
    }
    return best.length >= 2 ? best : TRepetition{};
  }

  const std::string& data_;
  size_t dictSize_;
  TDclBuilder out_;
};

TEST(ImplodeEncoding, MatchesTheRulesWrittenOutByBruteForce) {
  for (const size_t size : {600u, 3579u, 3580u, 4096u, 7676u, 12289u}) {
    std::string data = SampleText(size);
    for (size_t i = 0; i < size; i += 97) data[i] = static_cast<char>('a' + i % 7);
    data.replace(size / 2, size / 8, RandomBytes(size / 8, static_cast<uint32_t>(size)));
    for (const int mode : {kDclBinary, kDclAscii}) {
      for (const uint32_t dict : {1024u, 4096u}) {
        ASSERT_EQ(ImplodeString(data, mode, dict), TReferenceEncoder(data, mode, dict).Encode())
            << size << " mode " << mode << " window " << dict;
      }
    }
  }
}

// Runs of one byte, as machine code has its zeros: lengths around the look-ahead too, followed
// by bytes that often agree, so that repetitions reach past the runs.
std::string RunsOfBytes(size_t size, uint32_t seed) {
  const std::string values("\0\xFF\0a", 4);
  const std::string noise = RandomBytes(size, seed);
  std::string out;
  for (size_t i = 0; out.size() < size; ++i) {
    const auto x = static_cast<uint8_t>(noise[i]);
    const size_t length = x % 29 == 0 ? 510 + x % 12 : 1 + x % 24;
    out.append(length, values[(x >> 3) % 4]);
    out += static_cast<char>('0' + (x >> 5) % 3);
  }
  out.resize(size);
  return out;
}

TEST(ImplodeEncoding, RunsOfOneByteMatchTheRulesWrittenOutByBruteForce) {
  for (const size_t size : {3000u, 9000u}) {
    const std::string data = RunsOfBytes(size, static_cast<uint32_t>(size));
    for (const uint32_t dict : {1024u, 4096u}) {
      ASSERT_EQ(ImplodeString(data, kDclBinary, dict),
                TReferenceEncoder(data, kDclBinary, dict).Encode())
          << size << " window " << dict;
    }
  }
}

TEST(ImplodeEncoding, NeverCopiesFromBeforeTheFirstByte) {
  // The buffer before the first byte, and in the second block of a 4096-byte window the bytes
  // that no input filled there, hold whatever the work area held: a run of that byte at the
  // start or found there must not be copied from them.
  const auto dirty = [](TImplodeWork& w) { std::memset(w.buf, 0xEE, sizeof w.buf); };
  for (const std::string& data : {RandomBytes(3580, 9) + std::string(3000, '\xEE'),
                                  std::string(30, '\xEE') + 'x' + std::string(3000, '\xEE')}) {
    const std::string packed = ImplodeString(data, kDclBinary, 4096, nullptr, nullptr, dirty);
    EXPECT_EQ(packed, TReferenceEncoder(data, kDclBinary, 4096).Encode());
    EXPECT_EQ(packed, ImplodeString(data));
    EXPECT_EQ(ExplodeString(packed).output, data);
  }
}

TEST(ImplodeEncoding, RebasingTheIndexChangesNothing) {
  // Rebased after every few blocks instead of after a gigabyte of input.
  std::string data = SampleText(60000);
  data.replace(30000, 2000, RandomBytes(2000, 3));
  for (const uint32_t dict : {1024u, 4096u}) {
    const std::string plain = ImplodeString(data, kDclBinary, dict);
    for (const uint32_t rebaseFrom : {4097u, 3u * 4096u}) {
      const auto rebaseEarly = [&](TImplodeWork& w) { w.indexRebaseFrom = rebaseFrom; };
      EXPECT_EQ(ImplodeString(data, kDclBinary, dict, nullptr, nullptr, rebaseEarly), plain)
          << "window " << dict << ", rebased from " << rebaseFrom;
    }
  }
}

struct TRoundTripCase {
  const char* kind;
  std::string data;
};

std::vector<TRoundTripCase> RoundTripCases() {
  std::vector<TRoundTripCase> cases;
  for (const size_t size : {1u, 2u, 3u, 517u, 3579u, 3580u, 3581u, 4095u, 4096u, 4097u, 8192u,
                            8192u + 515u, 8192u + 516u, 8192u + 517u, 20000u}) {
    cases.push_back({"text", SampleText(size)});
    cases.push_back({"random", RandomBytes(size, static_cast<uint32_t>(size))});
    cases.push_back({"zeros", std::string(size, '\0')});
    cases.push_back(
        {"pattern", std::string(size, 'q').replace(0, size / 3, RandomBytes(size / 3, 5))});
  }
  return cases;
}

TEST(ImplodeRoundTrip, EveryModeAndWindowRestoresTheInput) {
  for (const TRoundTripCase& c : RoundTripCases()) {
    for (const int mode : {kDclBinary, kDclAscii}) {
      for (const uint32_t dict : {1024u, 2048u, 4096u}) {
        const TExplodeResult r = ExplodeString(ImplodeString(c.data, mode, dict));
        ASSERT_EQ(r.code, kDclOk) << c.kind << " " << c.data.size();
        ASSERT_EQ(r.output, c.data)
            << c.kind << " " << c.data.size() << " mode " << mode << " window " << dict;
      }
    }
  }
}

}  // namespace
}  // namespace cd::test

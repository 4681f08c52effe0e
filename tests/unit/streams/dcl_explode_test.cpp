// Explode: header checks, every length and distance code, both literal modes, damaged and
// truncated streams, output blocks.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "streams/dcl.h"
#include "streams/dcl_tables.h"
#include "unit/streams/dcl_support.h"

namespace cd::test {
namespace {

// 256 different bytes followed by ramps, so that every distance points at a known value.
std::string Pattern(size_t size) {
  std::string out(size, '\0');
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
  return out;
}

// What a copy appends to out, one byte at a time as the format defines it.
std::string Copied(std::string out, uint32_t length, uint32_t distance) {
  const size_t start = out.size();
  for (uint32_t i = 0; i < length; ++i) out += out[out.size() - distance];
  return out.substr(start);
}

TDclBuilder LiteralsOf(const std::string& bytes, int mode = 0, int dictBits = 6) {
  TDclBuilder b(mode, dictBits);
  for (char c : bytes) b.Literal(static_cast<uint8_t>(c));
  return b;
}

TEST(ExplodeHeader, RejectsShortAndInvalidHeaders) {
  EXPECT_EQ(ExplodeString("").code, kDclBadData);
  EXPECT_EQ(ExplodeString(std::string("\x00\x06\x01\xFF", 4)).code, kDclBadData);
  EXPECT_EQ(ExplodeString(std::string("\x00\x07\x00\x00\x00", 5)).code, kDclInvalidDictSize);
  EXPECT_EQ(ExplodeString(std::string("\x00\x03\x00\x00\x00", 5)).code, kDclInvalidDictSize);
  EXPECT_EQ(ExplodeString(std::string("\x02\x06\x00\x00\x00", 5)).code, kDclInvalidMode);
  // The dictionary code is checked first.
  EXPECT_EQ(ExplodeString(std::string("\x02\x07\x00\x00\x00", 5)).code, kDclInvalidDictSize);
  EXPECT_STREQ(DclErrorName(kDclInvalidDictSize), "INVALID_DICTSIZE");
  EXPECT_STREQ(DclErrorName(kDclInvalidMode), "INVALID_MODE");
  EXPECT_STREQ(DclErrorName(kDclBadData), "BAD_DATA");
  EXPECT_STREQ(DclErrorName(kDclAbort), "ABORT");
  EXPECT_STREQ(DclErrorName(0), "");
}

TEST(ExplodeBinary, DecodesEveryLiteral) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  const TExplodeResult r = ExplodeString(LiteralsOf(all).End().Bytes());
  EXPECT_EQ(r.code, kDclOk);
  EXPECT_EQ(r.output, all);
}

TEST(ExplodeBinary, DecodesEveryLengthWithItsExtraBits) {
  for (uint32_t length = 2; length <= dcl::kLongestCopy; ++length) {
    const TExplodeResult r = ExplodeString(LiteralsOf("xy").Copy(length, 1).End().Bytes());
    ASSERT_EQ(r.code, kDclOk) << length;
    ASSERT_EQ(r.output, "xy" + std::string(length, 'y')) << length;
  }
}

TEST(ExplodeBinary, DecodesEveryDistanceCodeForEachWindow) {
  const std::string history = Pattern(4096);
  for (int dictBits = 4; dictBits <= 6; ++dictBits) {
    const TDclBuilder prefix = LiteralsOf(history, 0, dictBits);
    for (uint32_t upper = 0; upper < 64; ++upper) {
      for (uint32_t low : {0u, (1u << dictBits) - 1}) {
        const uint32_t distance = (upper << dictBits) + low + 1;
        TDclBuilder b = prefix;
        const TExplodeResult r = ExplodeString(b.Copy(3, distance).End().Bytes());
        ASSERT_EQ(r.code, kDclOk);
        ASSERT_EQ(r.output.substr(4096), Copied(history, 3, distance))
            << "bits " << dictBits << " distance " << distance;
      }
    }
  }
}

// Every length and distance code in the middle of a long stream, where the decoder takes whole
// symbols without the checks for the input's end, and read 5 bytes at a time, where it never
// does: both give what the format defines.
TEST(ExplodeBinary, EveryCodeDecodesAlikeInsideTheInputBlockAndAtItsEnd) {
  const std::string history = Pattern(4096);
  for (int dictBits = 4; dictBits <= 6; ++dictBits) {
    TDclBuilder b = LiteralsOf(history, 0, dictBits);
    std::string expected = history;
    const auto copy = [&](uint32_t length, uint32_t distance) {
      b.Copy(length, distance);
      for (uint32_t i = 0; i < length; ++i) expected += expected[expected.size() - distance];
    };
    for (uint32_t length = 2; length <= dcl::kLongestCopy; ++length) copy(length, 1 + length % 9);
    for (uint32_t distance = 1; distance <= 256; distance += 5) copy(2, distance);
    for (uint32_t upper = 0; upper < 64; ++upper) {
      for (uint32_t low : {0u, (1u << dictBits) - 1}) copy(3, (upper << dictBits) + low + 1);
    }
    for (char c : std::string("padding")) b.Literal(static_cast<uint8_t>(c));
    expected += "padding";
    const std::string stream = b.End().Bytes();
    for (const uint32_t chunk : {2048u, 5u}) {
      const TExplodeResult r = ExplodeString(stream, chunk);
      ASSERT_EQ(r.code, kDclOk) << "bits " << dictBits << ", reads of " << chunk;
      ASSERT_EQ(r.output, expected) << "bits " << dictBits << ", reads of " << chunk;
    }
  }
}

TEST(ExplodeBinary, LengthTwoUsesTwoLowDistanceBits) {
  const std::string history = Pattern(300);
  for (uint32_t distance = 1; distance <= 256; ++distance) {
    const TExplodeResult r = ExplodeString(LiteralsOf(history).Copy(2, distance).End().Bytes());
    ASSERT_EQ(r.code, kDclOk);
    ASSERT_EQ(r.output.substr(300), Copied(history, 2, distance)) << distance;
  }
}

TEST(ExplodeBinary, ShortDistanceRepeatsTheLastBytes) {
  EXPECT_EQ(ExplodeString(LiteralsOf("a").Copy(10, 1).End().Bytes()).output, std::string(11, 'a'));
  EXPECT_EQ(ExplodeString(LiteralsOf("ab").Copy(7, 2).End().Bytes()).output, "ababababa");
}

TEST(ExplodeBinary, DistanceBeforeTheFirstByteReadsZeros) {
  const TExplodeResult r = ExplodeString(LiteralsOf("q").Copy(518, 4096).End().Bytes());
  EXPECT_EQ(r.code, kDclOk);
  EXPECT_EQ(r.output, "q" + std::string(518, '\0'));
}

// Output goes out in blocks of 4096 bytes while copies from the farthest distance go on finding
// their bytes after each move of the window; a literal before each copy keeps the output from
// repeating, so a byte taken from the wrong place shows.
TEST(ExplodeBinary, HandsOutputOverIn4096ByteBlocks) {
  std::string expected = Pattern(4096);
  TDclBuilder b = LiteralsOf(expected);
  for (int i = 0; i < 300; ++i) {
    const char literal = static_cast<char>(i * 13);
    b.Literal(static_cast<uint8_t>(literal)).Copy(517, 4096);
    expected += literal;
    expected += Copied(expected, 517, 4096);
  }
  const TExplodeResult r = ExplodeString(b.End().Bytes(), 7);
  ASSERT_EQ(r.code, kDclOk);
  EXPECT_EQ(r.output, expected);
  ASSERT_EQ(r.writeSizes.size(), expected.size() / 4096 + 1);
  for (size_t i = 0; i + 1 < r.writeSizes.size(); ++i) EXPECT_EQ(r.writeSizes[i], 4096u) << i;
  EXPECT_EQ(r.writeSizes.back(), expected.size() % 4096);
}

TEST(ExplodeDamage, TruncatedStreamWritesWhatItDecodedThenAborts) {
  const std::string full = LiteralsOf("hello, world").Copy(30, 5).End().Bytes();
  const TExplodeResult r = ExplodeString(full.substr(0, 12));
  EXPECT_EQ(r.code, kDclAbort);
  EXPECT_EQ(r.output, "hello, w");
  // Cut inside a length's extra bits: only the end marker's may run past the input.
  const TExplodeResult cut = ExplodeString(LiteralsOf("abcd").Bits(1, 1).Bits(7, 0).Bytes());
  EXPECT_EQ(cut.code, kDclAbort);
  EXPECT_EQ(cut.output, "abcd");
}

TEST(ExplodeDamage, StreamCutAtAnyByteAbortsWithAPrefixOfTheOutput) {
  for (int mode : {0, 1}) {
    const std::string text = "literals at the very end of the input, then a copy";
    const std::string full = LiteralsOf(text, mode).Copy(40, 20).Literal('!').End().Bytes();
    const std::string expected = ExplodeString(full).output;
    for (size_t cut = 5; cut < full.size() - 1; ++cut) {
      const TExplodeResult r = ExplodeString(full.substr(0, cut), 7);
      EXPECT_EQ(r.code, kDclAbort) << "mode " << mode << ", cut " << cut;
      EXPECT_EQ(expected.compare(0, r.output.size(), r.output), 0) << "cut " << cut;
    }
  }
  // Literals that end exactly on a byte boundary with no end marker.
  const TExplodeResult r = ExplodeString(LiteralsOf("abcdefgh").Bytes());
  EXPECT_EQ(r.code, kDclAbort);
  EXPECT_EQ(r.output, "abcdefg");
}

TEST(ExplodeDamage, EndMarkerWhoseExtraBitsEndTheInputIsAccepted) {
  // Eight 9-bit literals and the 16-bit end marker end exactly on a byte boundary.
  const std::string stream = LiteralsOf("abcdefgh").End().Bytes();
  EXPECT_EQ(stream.size(), 2u + 11u);
  const TExplodeResult r = ExplodeString(stream);
  EXPECT_EQ(r.code, kDclOk);
  EXPECT_EQ(r.output, "abcdefgh");
}

TEST(ExplodeAscii, DecodesEveryLiteralOfTheTextCode) {
  std::string all;
  for (int i = 255; i >= 0; --i) all += static_cast<char>(i);
  const TExplodeResult r = ExplodeString(LiteralsOf(all, 1).Copy(9, 256).End().Bytes());
  EXPECT_EQ(r.code, kDclOk);
  EXPECT_EQ(r.output, all + all.substr(0, 9));
}

// True when no code is a prefix of another (read low bit first) and together they cover every
// bit sequence, so that every 8-bit lookup entry has exactly one code.
bool CompletePrefixCode(const std::vector<std::pair<uint32_t, uint32_t>>& codes) {
  double kraft = 0;
  for (const auto& [bits, code] : codes) {
    if (code >= (1u << bits)) return false;
    kraft += 1.0 / (1u << bits);
    for (const auto& [otherBits, other] : codes) {
      if (&other != &code && otherBits >= bits && (other & ((1u << bits) - 1)) == code) {
        return false;
      }
    }
  }
  return kraft == 1.0;
}

TEST(ExplodeTables, AreCompletePrefixCodes) {
  std::vector<std::pair<uint32_t, uint32_t>> lengths, distances, literals;
  for (const dcl::TLengthCode& c : dcl::kLengthCodes) lengths.emplace_back(c.bits, c.code);
  for (int i = 0; i < dcl::kDistanceCodeCount; ++i) {
    distances.emplace_back(dcl::kDistanceBits[i], dcl::kDistanceCodes[i]);
  }
  for (const dcl::TLiteralCode& c : dcl::kAsciiLiterals) literals.emplace_back(c.bits, c.code);
  EXPECT_TRUE(CompletePrefixCode(lengths));
  EXPECT_TRUE(CompletePrefixCode(distances));
  EXPECT_TRUE(CompletePrefixCode(literals));
}

// The example stream of the format's documentation (zlib's contrib/blast).
TEST(ExplodeTables, DecodesTheFormatsPublishedExample) {
  const TExplodeResult r = ExplodeString(std::string("\x00\x04\x82\x24\x25\x8f\x80\x7f", 8));
  EXPECT_EQ(r.code, kDclOk);
  EXPECT_EQ(r.output, "AIAIAIAIAIAIA");
}

}  // namespace
}  // namespace cd::test

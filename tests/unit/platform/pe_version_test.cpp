#include "platform/pe_version.h"

#include <gtest/gtest.h>

#include "support/message_of.h"
#include "support/pe_builder.h"

namespace cd::pe {
namespace {

using test::BuildPeImage;
using test::MakeVersion;
using test::PeLayout;
using test::PeOptions;

PeOptions WithVersion(uint64_t version) {
  PeOptions o;
  o.fileVersion = version;
  return o;
}

std::optional<FixedFileInfo> FixedInfoOf(const std::string& image) {
  MemoryImage source(image);
  const auto block = ReadVersionResource(source);
  if (!block) return std::nullopt;
  return ParseFixedFileInfo(*block);
}

void Put32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

std::string FailureOf(const std::string& image) {
  return cd::test::MessageOf<EPeFormatError>([&] { FixedInfoOf(image); });
}

TEST(PeVersion, ReadsTheFixedPartOfPe32AndPe32Plus) {
  for (bool plus : {true, false}) {
    PeOptions o = WithVersion(MakeVersion(5, 1, 2600, 0));
    o.pe32Plus = plus;
    o.productVersion = MakeVersion(6, 0, 1, 2);
    const auto info = FixedInfoOf(BuildPeImage(o));
    ASSERT_TRUE(info) << plus;
    EXPECT_EQ(info->signature, kFixedFileInfoSignature);
    EXPECT_EQ(info->fileVersionMS, 0x00050001u);
    EXPECT_EQ(info->fileVersionLS, 2600u << 16);
    EXPECT_EQ(info->productVersionMS, 0x00060000u);
    EXPECT_EQ(info->productVersionLS, 0x00010002u);
  }
}

TEST(PeVersion, FindsTheFixedPartBeforeStringTables) {
  PeOptions o = WithVersion(MakeVersion(65535, 65535, 65535, 65534));
  o.fileVersionText = "65535.65535.65535.65534";
  o.language = 0x405;  // a language other than neutral or US English is still found
  const auto info = FixedInfoOf(BuildPeImage(o));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->fileVersionMS, 0xFFFFFFFFu);
  EXPECT_EQ(info->fileVersionLS, 0xFFFFFFFEu);
}

TEST(PeVersion, SoundImagesWithoutVersionGiveNothing) {
  EXPECT_FALSE(FixedInfoOf(BuildPeImage(PeOptions{})));
  PeOptions otherName = WithVersion(1);
  otherName.resourceName = 2;
  EXPECT_FALSE(FixedInfoOf(BuildPeImage(otherName)));
  PeOptions noFixed = WithVersion(1);
  noFixed.fixedPart = false;
  noFixed.fileVersionText = "1.0";
  EXPECT_FALSE(FixedInfoOf(BuildPeImage(noFixed)));
}

TEST(PeVersion, ForeignDataIsAFormatError) {
  EXPECT_EQ(FailureOf(""),
            "PE image: DOS header (offset 0, 2 bytes) lies outside the file (0 bytes)");
  EXPECT_EQ(FailureOf("plain text, not a program"), "PE image: no MZ signature");
  EXPECT_EQ(FailureOf("MZ"),
            "PE image: DOS header (offset 60, 4 bytes) lies outside the file (2 bytes)");
  PeOptions o = WithVersion(1);
  o.signature = 0x12345678;
  EXPECT_EQ(FailureOf(BuildPeImage(o)),
            "PE image: fixed version part has signature 0x12345678 instead of 0xFEEF04BD");
}

TEST(PeVersion, StructuresOutsideTheFileAreFormatErrors) {
  const std::string good = BuildPeImage(WithVersion(1));
  std::string farHeader = good;
  Put32(farHeader, 0x3C, 0xFFFFFFF0u);
  EXPECT_NE(FailureOf(farHeader).find("PE signature (offset 4294967280"), std::string::npos);

  std::string bigData = good;
  Put32(bigData, PeLayout::kResourceSection + PeLayout::kVersionDataEntry + 4, 0xFFFFFFFFu);
  EXPECT_NE(FailureOf(bigData).find("runs past its section's data"), std::string::npos);

  std::string strayRva = good;
  Put32(strayRva, PeLayout::kResourceSection + PeLayout::kVersionDataEntry, 0x7FFFF000u);
  EXPECT_NE(FailureOf(strayRva).find("lies in no section"), std::string::npos);

  std::string manyEntries = good;
  Put32(manyEntries, PeLayout::kResourceSection + 12, 0xFFFFFFFFu);
  EXPECT_NE(FailureOf(manyEntries).find("resource type directory"), std::string::npos);

  std::string shortBlock = good;
  shortBlock[PeLayout::kResourceSection + PeLayout::kVersionBlock] = 0x7F;  // wLength
  shortBlock[PeLayout::kResourceSection + PeLayout::kVersionBlock + 1] = 0x7F;
  EXPECT_NE(FailureOf(shortBlock).find("does not fit"), std::string::npos);
}

// Every cut and every changed header byte must end in a result or a format error, never in
// a read outside the buffer (the sanitizers watch this).
TEST(PeVersion, SurvivesTruncationAndByteDamage) {
  for (bool plus : {true, false}) {
    PeOptions o = WithVersion(MakeVersion(1, 2, 3, 4));
    o.pe32Plus = plus;
    o.fileVersionText = "1.2.3.4";
    const std::string good = BuildPeImage(o);
    for (size_t cut = 0; cut < good.size(); ++cut) {
      try {
        FixedInfoOf(good.substr(0, cut));
      } catch (const EPeFormatError&) {
      }
    }
    for (size_t at = 0; at < PeLayout::kResourceSection + 0x100; ++at) {
      for (int value : {0x00, 0x7F, 0x80, 0xFF}) {
        std::string bad = good;
        bad[at] = static_cast<char>(value);
        try {
          FixedInfoOf(bad);
        } catch (const EPeFormatError&) {
        }
      }
    }
  }
}

}  // namespace
}  // namespace cd::pe

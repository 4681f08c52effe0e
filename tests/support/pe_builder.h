// Builds small PE images (PE32 or PE32+ DLLs without code) with an optional version resource,
// so that tests can read file versions from real files natively and under Wine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cd::test {

// The 64-bit file version of four 16-bit fields, most significant first (5, 1, 2600, 0).
constexpr uint64_t MakeVersion(uint16_t major, uint16_t minor, uint16_t release, uint16_t build) {
  return uint64_t{major} << 48 | uint64_t{minor} << 32 | uint64_t{release} << 16 | build;
}

struct PeOptions {
  bool pe32Plus = true;                 // PE32+ (x86-64) or PE32 (i386)
  std::optional<uint64_t> fileVersion;  // nothing: an RT_RCDATA resource instead of a version
  uint64_t productVersion = 0;
  bool fixedPart = true;            // false: a VS_VERSIONINFO without VS_FIXEDFILEINFO
  uint32_t signature = 0xFEEF04BD;  // of the fixed part
  uint16_t language = 0x409;        // language id of the version resource
  uint16_t resourceName = 1;        // name id of the version resource
  std::string fileVersionText;      // when set, a StringFileInfo "FileVersion" entry
};

// The bytes of the image.
std::string BuildPeImage(const PeOptions& options);

// Offsets inside an image from BuildPeImage, for tests that damage it on purpose.
struct PeLayout {
  static constexpr uint32_t kPeHeader = 0x40;
  static constexpr uint32_t kResourceSection = 0x200;  // file offset of .rsrc
  static constexpr uint32_t kResourceRva = 0x1000;
  static constexpr uint32_t kVersionDataEntry = 72;  // inside .rsrc
  static constexpr uint32_t kVersionBlock = 88;      // inside .rsrc
  // Offset of the section table: PE header + 24 + the optional header's size.
  static uint32_t SectionTable(bool pe32Plus) { return kPeHeader + 24 + (pe32Plus ? 240 : 224); }
};

}  // namespace cd::test

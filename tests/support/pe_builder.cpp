// Writes a minimal PE DLL: headers, one .rsrc section holding the resource tree
// RT_VERSION -> name -> language -> data entry -> VS_VERSIONINFO.
#include "support/pe_builder.h"

namespace cd::test {
namespace {

constexpr uint32_t kFileAlignment = 0x200;
constexpr uint32_t kSectionAlignment = 0x1000;

void Put16(std::string& s, size_t at, uint32_t v) {
  if (s.size() < at + 2) s.resize(at + 2, '\0');
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}

void Put32(std::string& s, size_t at, uint32_t v) {
  Put16(s, at, v & 0xFFFF);
  Put16(s, at + 2, v >> 16);
}

void Put64(std::string& s, size_t at, uint64_t v) {
  Put32(s, at, static_cast<uint32_t>(v));
  Put32(s, at + 4, static_cast<uint32_t>(v >> 32));
}

void PadTo4(std::string& s) {
  s.resize((s.size() + 3) & ~size_t{3}, '\0');
}

std::string Utf16z(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += {c, '\0'};
  return out + std::string(2, '\0');
}

// One node of a version block: header, key, value, then its children, padded to 4 bytes.
std::string VersionNode(const std::string& key, const std::string& value, uint16_t valueLength,
                        uint16_t type, const std::string& children) {
  std::string node(6, '\0');
  node += Utf16z(key);
  PadTo4(node);
  node += value;
  if (!children.empty()) {
    PadTo4(node);
    node += children;
  }
  Put16(node, 0, static_cast<uint32_t>(node.size()));
  Put16(node, 2, valueLength);
  Put16(node, 4, type);
  PadTo4(node);
  return node;
}

std::string FixedFileInfo(const PeOptions& o) {
  std::string v;
  const uint64_t file = o.fileVersion.value_or(0);
  const uint32_t fields[13] = {o.signature,
                               0x00010000,
                               static_cast<uint32_t>(file >> 32),
                               static_cast<uint32_t>(file),
                               static_cast<uint32_t>(o.productVersion >> 32),
                               static_cast<uint32_t>(o.productVersion),
                               0x3F,
                               0,
                               0x00040004,  // VOS_NT_WINDOWS32
                               2,           // VFT_DLL
                               0,
                               0,
                               0};
  for (size_t i = 0; i < 13; ++i) Put32(v, 4 * i, fields[i]);
  return v;
}

std::string VersionBlock(const PeOptions& o) {
  std::string strings;
  if (!o.fileVersionText.empty()) {
    const std::string text = Utf16z(o.fileVersionText);
    const std::string entry =
        VersionNode("FileVersion", text, static_cast<uint16_t>(text.size() / 2), 1, {});
    strings = VersionNode("StringFileInfo", {}, 0, 1, VersionNode("040904B0", {}, 0, 1, entry));
  }
  const std::string fixed = o.fixedPart ? FixedFileInfo(o) : std::string();
  return VersionNode("VS_VERSION_INFO", fixed, static_cast<uint16_t>(fixed.size()), 0, strings);
}

// The resource section: three one-entry directories, a data entry, then the data. An image
// without version information gets an RT_RCDATA resource in its place.
std::string ResourceSection(const PeOptions& o) {
  std::string rsrc;
  const auto directory = [&rsrc](size_t at, uint32_t id, uint32_t target) {
    Put16(rsrc, at + 14, 1);  // one id entry
    Put32(rsrc, at + 16, id);
    Put32(rsrc, at + 20, target);
  };
  directory(0, o.fileVersion ? 16 : 10, 0x80000000u | 24);
  directory(24, o.resourceName, 0x80000000u | 48);
  directory(48, o.language, PeLayout::kVersionDataEntry);
  const std::string block = VersionBlock(o);
  Put32(rsrc, PeLayout::kVersionDataEntry, PeLayout::kResourceRva + PeLayout::kVersionBlock);
  Put32(rsrc, PeLayout::kVersionDataEntry + 4, static_cast<uint32_t>(block.size()));
  Put32(rsrc, PeLayout::kVersionDataEntry + 12, 0);
  rsrc += block;
  return rsrc;
}

void OptionalHeader(std::string& img, const PeOptions& o, uint32_t rsrcSize, uint32_t rawSize) {
  const size_t opt = PeLayout::kPeHeader + 24;
  const bool plus = o.pe32Plus;
  Put16(img, opt, plus ? 0x20B : 0x10B);
  Put32(img, opt + 8, rawSize);  // SizeOfInitializedData
  if (plus)
    Put64(img, opt + 24, 0x180000000ull);
  else
    Put32(img, opt + 28, 0x10000000u);
  Put32(img, opt + 32, kSectionAlignment);
  Put32(img, opt + 36, kFileAlignment);
  Put16(img, opt + 40, 6);  // operating system version 6.0
  Put16(img, opt + 48, 6);  // subsystem version 6.0
  const uint32_t imageSize =
      PeLayout::kResourceRva + ((rsrcSize + kSectionAlignment - 1) & ~(kSectionAlignment - 1));
  Put32(img, opt + 56, imageSize);
  Put32(img, opt + 60, kFileAlignment);  // SizeOfHeaders
  Put16(img, opt + 68, 2);               // IMAGE_SUBSYSTEM_WINDOWS_GUI
  Put16(img, opt + 70, 0x0100);          // NX compatible
  const size_t sizes = opt + 72;
  const uint64_t reserve = 0x100000, commit = 0x1000;
  const uint64_t stackHeap[4] = {reserve, commit, reserve, commit};
  for (size_t i = 0; i < 4; ++i) {
    if (plus)
      Put64(img, sizes + 8 * i, stackHeap[i]);
    else
      Put32(img, sizes + 4 * i, static_cast<uint32_t>(stackHeap[i]));
  }
  const size_t dirs = opt + (plus ? 112 : 96);
  Put32(img, dirs - 4, 16);  // NumberOfRvaAndSizes
  Put32(img, dirs + 16, PeLayout::kResourceRva);
  Put32(img, dirs + 20, rsrcSize);
}

}  // namespace

std::string BuildPeImage(const PeOptions& o) {
  std::string img;
  Put16(img, 0, 'M' | 'Z' << 8);
  Put32(img, 0x3C, PeLayout::kPeHeader);
  Put32(img, PeLayout::kPeHeader, 'P' | 'E' << 8);
  const size_t coff = PeLayout::kPeHeader + 4;
  Put16(img, coff, o.pe32Plus ? 0x8664 : 0x14C);
  Put16(img, coff + 2, 1);  // one section
  Put16(img, coff + 16, o.pe32Plus ? 240 : 224);
  Put16(img, coff + 18, o.pe32Plus ? 0x2022 : 0x2102);  // executable DLL, 32-bit or large-address
  std::string rsrc = ResourceSection(o);
  const uint32_t rsrcSize = static_cast<uint32_t>(rsrc.size());
  const uint32_t rawSize = (rsrcSize + kFileAlignment - 1) & ~(kFileAlignment - 1);
  OptionalHeader(img, o, rsrcSize, rawSize);
  const size_t section = PeLayout::SectionTable(o.pe32Plus);
  img.resize(section + 40, '\0');
  img.replace(section, 6, ".rsrc\0", 6);
  Put32(img, section + 8, rsrcSize);
  Put32(img, section + 12, PeLayout::kResourceRva);
  Put32(img, section + 16, rawSize);
  Put32(img, section + 20, PeLayout::kResourceSection);
  Put32(img, section + 36, 0x40000040u);  // initialized data, readable
  img.resize(PeLayout::kResourceSection, '\0');
  rsrc.resize(rawSize, '\0');
  return img + rsrc;
}

}  // namespace cd::test

// Finds the version resource of a PE image: DOS header -> PE headers -> section table ->
// resource directory (type, name, language) -> data entry -> VS_VERSIONINFO -> fixed part.
// Every read is checked against the image size before it happens.
#include "platform/pe_version.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/files.h"

namespace cd::pe {
namespace {

constexpr uint32_t kRtVersion = 16;
constexpr uint32_t kVersionResourceName = 1;
constexpr uint32_t kLangNeutral = 0;
constexpr uint32_t kLangUsEnglish = 0x409;
constexpr uint32_t kHighBit = 0x80000000u;
constexpr uint32_t kResourceDirectoryIndex = 2;

uint16_t Le16(const char* p) {
  return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | static_cast<uint8_t>(p[1]) << 8);
}

uint32_t Le32(const char* p) {
  return Le16(p) | static_cast<uint32_t>(Le16(p + 2)) << 16;
}

[[noreturn]] void Fail(const std::string& what) {
  throw EPeFormatError("PE image: " + what);
}

std::string Dec(uint64_t v) {
  return std::to_string(v);
}

std::string Hex(uint64_t v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
  return buf;
}

// Checked reads from the image.
class Reader {
 public:
  explicit Reader(ImageSource& image) : image_(image), size_(image.Size()) {}

  std::string Bytes(uint64_t offset, uint64_t count, const char* what) {
    if (offset > size_ || count > size_ - offset)
      Fail(std::string(what) + " (offset " + Dec(offset) + ", " + Dec(count) +
           " bytes) lies outside the file (" + Dec(size_) + " bytes)");
    std::string bytes(count, '\0');
    if (count > 0) image_.ReadAt(offset, bytes.data(), count);
    return bytes;
  }
  uint16_t U16(uint64_t offset, const char* what) { return Le16(Bytes(offset, 2, what).data()); }
  uint32_t U32(uint64_t offset, const char* what) { return Le32(Bytes(offset, 4, what).data()); }

 private:
  ImageSource& image_;
  uint64_t size_;
};

struct Section {
  uint32_t virtualAddress;
  uint32_t virtualSize;
  uint32_t rawSize;
  uint32_t rawPointer;
};

struct Headers {
  std::vector<Section> sections;
  uint32_t resourceRva = 0;
};

// Where the data directories begin inside the optional header, by its magic.
uint32_t DataDirectoryOffset(uint16_t magic) {
  if (magic == 0x10B) return 96;   // PE32
  if (magic == 0x20B) return 112;  // PE32+
  Fail("unknown optional header magic " + Hex(magic));
}

Headers ReadHeaders(Reader& r) {
  if (r.Bytes(0, 2, "DOS header") != "MZ") Fail("no MZ signature");
  const uint64_t pe = r.U32(0x3C, "DOS header");
  if (r.Bytes(pe, 4, "PE signature") != std::string("PE\0\0", 4)) Fail("no PE signature");
  const std::string coff = r.Bytes(pe + 4, 20, "COFF header");
  const uint16_t sectionCount = Le16(coff.data() + 2);
  const uint16_t optionalSize = Le16(coff.data() + 16);
  const uint64_t optional = pe + 24;
  const std::string opt = r.Bytes(optional, optionalSize, "optional header");
  if (optionalSize < 2) Fail("optional header missing");
  const uint32_t dirs = DataDirectoryOffset(Le16(opt.data()));
  if (optionalSize < dirs) Fail("optional header too short for its data directories");
  const uint32_t dirCount = Le32(opt.data() + dirs - 4);
  Headers h;
  const uint64_t resourceEntry = dirs + 8ull * kResourceDirectoryIndex;
  if (dirCount > kResourceDirectoryIndex) {
    if (resourceEntry + 8 > optionalSize) Fail("data directories run past the optional header");
    h.resourceRva = Le32(opt.data() + resourceEntry);
  }
  const std::string table = r.Bytes(optional + optionalSize, 40ull * sectionCount, "section table");
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const char* s = table.data() + 40ull * i;
    h.sections.push_back({Le32(s + 12), Le32(s + 8), Le32(s + 16), Le32(s + 20)});
  }
  return h;
}

// The file offset of size bytes at rva, which must lie in one section's raw data.
uint64_t RvaToOffset(const Headers& h, uint64_t rva, uint64_t size, const char* what) {
  for (const Section& s : h.sections) {
    const uint64_t extent = s.virtualSize ? s.virtualSize : s.rawSize;
    if (rva < s.virtualAddress || rva - s.virtualAddress >= extent) continue;
    const uint64_t delta = rva - s.virtualAddress;
    if (delta > s.rawSize || size > s.rawSize - delta)
      Fail(std::string(what) + " (address " + Hex(rva) + ", " + Dec(size) +
           " bytes) runs past its section's data");
    return s.rawPointer + delta;
  }
  Fail(std::string(what) + " (address " + Hex(rva) + ") lies in no section");
}

struct DirEntry {
  uint32_t name;
  uint32_t target;  // high bit set: a subdirectory
};

class ResourceTree {
 public:
  ResourceTree(Reader& r, const Headers& h) : r_(r), h_(h) {}

  std::vector<DirEntry> Directory(uint32_t offset, const char* what) {
    const std::string head = Read(offset, 16, what);
    const uint64_t count = uint64_t{Le16(head.data() + 12)} + Le16(head.data() + 14);
    const std::string raw = Read(uint64_t{offset} + 16, 8 * count, what);
    std::vector<DirEntry> entries;
    for (uint64_t i = 0; i < count; ++i)
      entries.push_back({Le32(raw.data() + 8 * i), Le32(raw.data() + 8 * i + 4)});
    return entries;
  }

  std::string Read(uint64_t offset, uint64_t size, const char* what) {
    const uint64_t rva = uint64_t{h_.resourceRva} + offset;
    return r_.Bytes(RvaToOffset(h_, rva, size, what), size, what);
  }

  std::string ReadData(uint32_t rva, uint32_t size) {
    return r_.Bytes(RvaToOffset(h_, rva, size, "version resource data"), size,
                    "version resource data");
  }

 private:
  Reader& r_;
  const Headers& h_;
};

std::optional<DirEntry> FindId(const std::vector<DirEntry>& entries, uint32_t id) {
  for (const DirEntry& e : entries)
    if (e.name == id) return e;
  return std::nullopt;
}

uint32_t Subdirectory(const DirEntry& e, const char* what) {
  if (!(e.target & kHighBit)) Fail(std::string(what) + " entry is not a directory");
  return e.target & ~kHighBit;
}

std::optional<DirEntry> PickLanguage(const std::vector<DirEntry>& languages) {
  if (auto e = FindId(languages, kLangNeutral)) return e;
  if (auto e = FindId(languages, kLangUsEnglish)) return e;
  if (languages.empty()) return std::nullopt;
  return languages.front();
}

}  // namespace

void MemoryImage::ReadAt(uint64_t offset, void* buffer, size_t count) {
  std::memcpy(buffer, data_.data() + offset, count);
}

FileImage::FileImage(os::File& file) : file_(file), size_(file.Seek(0, 2)) {}

void FileImage::ReadAt(uint64_t offset, void* buffer, size_t count) {
  file_.Seek(static_cast<int64_t>(offset), 0);
  auto* out = static_cast<char*>(buffer);
  while (count > 0) {
    const int64_t got = file_.Read(out, static_cast<int64_t>(count));
    if (got <= 0) Fail("the file ended early");
    out += got;
    count -= static_cast<size_t>(got);
  }
}

std::optional<std::string> ReadVersionResource(ImageSource& image) {
  Reader r(image);
  const Headers h = ReadHeaders(r);
  if (h.resourceRva == 0) return std::nullopt;
  ResourceTree tree(r, h);
  const auto type = FindId(tree.Directory(0, "resource type directory"), kRtVersion);
  if (!type) return std::nullopt;
  const auto names = tree.Directory(Subdirectory(*type, "version type"), "version name directory");
  const auto name = FindId(names, kVersionResourceName);
  if (!name) return std::nullopt;
  const auto language = PickLanguage(
      tree.Directory(Subdirectory(*name, "version name"), "version language directory"));
  if (!language) return std::nullopt;
  if (language->target & kHighBit) Fail("version language entry is not a data entry");
  const std::string entry = tree.Read(language->target, 16, "version resource data entry");
  const uint32_t size = Le32(entry.data() + 4);
  if (size == 0) return std::nullopt;
  return tree.ReadData(Le32(entry.data()), size);
}

std::optional<FixedFileInfo> ParseFixedFileInfo(std::string_view block) {
  if (block.size() < 6) Fail("version block shorter than its header");
  const uint16_t length = Le16(block.data());
  const uint16_t valueLength = Le16(block.data() + 2);
  if (length < 6 || length > block.size())
    Fail("version block length " + Dec(length) + " does not fit its " + Dec(block.size()) +
         " bytes");
  // The key is a zero-terminated UTF-16 string; the value follows at a 4-byte boundary.
  size_t keyEnd = 6;
  while (keyEnd + 1 < length && Le16(block.data() + keyEnd) != 0) keyEnd += 2;
  if (keyEnd + 1 >= length) Fail("version block key is not terminated");
  const size_t valueStart = (keyEnd + 2 + 3) & ~size_t{3};
  if (valueLength == 0) return std::nullopt;
  if (valueStart + valueLength > length) Fail("fixed version part runs past its block");
  if (valueLength < kFixedFileInfoSize) Fail("fixed version part is too short");
  uint32_t v[13];
  for (size_t i = 0; i < 13; ++i) v[i] = Le32(block.data() + valueStart + 4 * i);
  if (v[0] != kFixedFileInfoSignature)
    Fail("fixed version part has signature " + Hex(v[0]) + " instead of 0xFEEF04BD");
  return FixedFileInfo{v[0], v[1], v[2], v[3],  v[4],  v[5], v[6],
                       v[7], v[8], v[9], v[10], v[11], v[12]};
}

}  // namespace cd::pe

// A bounds-checked reader of the version resource of a PE image (the VS_VERSIONINFO block
// and its VS_FIXEDFILEINFO), for systems without version.dll. Portable: no OS headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/exceptions.h"

namespace cd::os {
class File;
}

namespace cd::pe {

// A damaged or foreign image: the message says which structure is wrong and where.
class EPeFormatError : public Exception {
  using Exception::Exception;
};

// Random access to the bytes of an image.
class ImageSource {
 public:
  virtual ~ImageSource() = default;
  virtual uint64_t Size() = 0;
  // Reads count bytes at offset; callers only ask for bytes inside Size().
  virtual void ReadAt(uint64_t offset, void* buffer, size_t count) = 0;
};

class MemoryImage final : public ImageSource {
 public:
  explicit MemoryImage(std::string_view data) : data_(data) {}
  uint64_t Size() override { return data_.size(); }
  void ReadAt(uint64_t offset, void* buffer, size_t count) override;

 private:
  std::string_view data_;
};

// An open file read piece by piece, so that a large image is not loaded whole.
class FileImage final : public ImageSource {
 public:
  explicit FileImage(os::File& file);
  uint64_t Size() override { return size_; }
  void ReadAt(uint64_t offset, void* buffer, size_t count) override;

 private:
  os::File& file_;
  uint64_t size_;
};

struct FixedFileInfo {
  uint32_t signature = 0;
  uint32_t strucVersion = 0;
  uint32_t fileVersionMS = 0;
  uint32_t fileVersionLS = 0;
  uint32_t productVersionMS = 0;
  uint32_t productVersionLS = 0;
  uint32_t fileFlagsMask = 0;
  uint32_t fileFlags = 0;
  uint32_t fileOS = 0;
  uint32_t fileType = 0;
  uint32_t fileSubtype = 0;
  uint32_t fileDateMS = 0;
  uint32_t fileDateLS = 0;
};

inline constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
inline constexpr size_t kFixedFileInfoSize = 52;

// The bytes of the image's version resource (type RT_VERSION, name 1; the neutral language,
// else US English, else the first). Nothing when the image is a sound PE file without one.
// Fails with EPeFormatError when the data is no PE image or a structure lies outside it.
std::optional<std::string> ReadVersionResource(ImageSource& image);

// The fixed part at the root of a VS_VERSIONINFO block; nothing when the block has none.
// Fails with EPeFormatError on a damaged block or a fixed part with a wrong signature.
std::optional<FixedFileInfo> ParseFixedFileInfo(std::string_view block);

}  // namespace cd::pe

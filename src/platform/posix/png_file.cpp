// PNG files on POSIX: libpng's simplified writer, into memory, then the file as a whole.
#include "platform/png_file.h"

#include <png.h>

#include "base/exceptions.h"
#include "platform/files.h"

namespace cd::os {

void WritePng(const std::string& file, int32_t width, int32_t height,
              const std::vector<uint8_t>& rgb) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr))
    throw Exception(file + ": the PNG image cannot be made: " + image.message);
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr))
    throw Exception(file + ": the PNG image cannot be made: " + image.message);
  bytes.resize(size);
  WriteWholeFile(file, bytes);
}

}  // namespace cd::os

// Writing an image as a PNG file: 8-bit RGB, rows top to bottom. POSIX: libpng. Windows: the
// system's imaging component (WIC). Fails naming the file when it cannot be written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cd::os {

// rgb holds width x height pixels of three bytes each, row by row.
void WritePng(const std::string& file, int32_t width, int32_t height,
              const std::vector<uint8_t>& rgb);

}  // namespace cd::os

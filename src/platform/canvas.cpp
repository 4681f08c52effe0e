// The canvas's size check and its PNG image.
#include "platform/canvas.h"

#include <vector>

#include "base/exceptions.h"
#include "platform/png_file.h"

namespace cd::os {

Canvas::Canvas(int32_t width, int32_t height) : width_(width), height_(height) {
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
    throw Exception("A canvas of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels cannot be made (each side from 1 to " + std::to_string(kLargestSide) +
                    ")");
}

void Canvas::SavePng(const std::string& file) const {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3);
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) {
      const CanvasColour c = Pixel(x, y);
      rgb.insert(rgb.end(), {c.red, c.green, c.blue});
    }
  WritePng(file, width_, height_, rgb);
}

}  // namespace cd::os

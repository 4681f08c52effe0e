// A drawing surface of width x height pixels, white when made, that fills region shapes and
// frames them: the fill covers the shape with the brush colour; the frame covers the shape's
// pixels that lie within the pen width of its outside (horizontally) or within the pen width
// of it vertically, in the brush colour too. Windows: a GDI bitmap (FillRgn, FrameRgn).
// POSIX: RasterCanvas, the same pixels in memory. Either is saved as a PNG image.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/region_shape.h"

namespace cd::os {

struct CanvasColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const CanvasColour&) const = default;
};

class Canvas {
 public:
  // The largest side a canvas may have (64 million pixels at most).
  static constexpr int32_t kLargestSide = 8192;

  // Fails for a side below 1 or above kLargestSide.
  static std::unique_ptr<Canvas> Create(int32_t width, int32_t height);

  virtual ~Canvas() = default;
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  CanvasColour BrushColour() const { return brush_; }
  void SetBrushColour(CanvasColour colour) { brush_ = colour; }
  int32_t PenWidth() const { return penWidth_; }
  // A pen width below 1 draws as 1.
  void SetPenWidth(int32_t width) { penWidth_ = width < 1 ? 1 : width; }

  virtual void FillShape(const RegionShape& shape) = 0;
  virtual void FrameShape(const RegionShape& shape) = 0;
  // The colour at (x, y), which must lie on the canvas.
  virtual CanvasColour Pixel(int32_t x, int32_t y) const = 0;
  // Writes the canvas as an 8-bit RGB PNG image.
  void SavePng(const std::string& file) const;

 protected:
  Canvas(int32_t width, int32_t height);

 private:
  int32_t width_;
  int32_t height_;
  CanvasColour brush_;
  int32_t penWidth_ = 1;
};

}  // namespace cd::os

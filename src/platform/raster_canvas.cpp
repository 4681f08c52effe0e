// RasterCanvas: fills and frames on pixels in memory.
#include "platform/raster_canvas.h"

#include <algorithm>

namespace cd::os {
namespace {

// rect clipped to [0, width) x [0, height), in 64 bits so that edges near the ends of the
// 32-bit range do not overflow.
struct Clip {
  int64_t left, top, right, bottom;
};

Clip ClipTo(const ShapeRect& rect, int32_t width, int32_t height) {
  return {std::max<int64_t>(rect.left, 0), std::max<int64_t>(rect.top, 0),
          std::min<int64_t>(rect.right, width), std::min<int64_t>(rect.bottom, height)};
}

int32_t Moved(int32_t value, int64_t by) {
  return static_cast<int32_t>(std::clamp<int64_t>(value + by, INT32_MIN, INT32_MAX));
}

}  // namespace

RasterCanvas::RasterCanvas(int32_t width, int32_t height)
    : Canvas(width, height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height),
              CanvasColour{255, 255, 255}) {}

void RasterCanvas::FillShape(const RegionShape& shape) {
  for (const ShapeRect& rect : shape.Rects()) {
    const Clip c = ClipTo(rect, Width(), Height());
    for (int64_t y = c.top; y < c.bottom; ++y)
      for (int64_t x = c.left; x < c.right; ++x)
        pixels_[Index(static_cast<int32_t>(x), static_cast<int32_t>(y))] = BrushColour();
  }
}

void RasterCanvas::FrameShape(const RegionShape& shape) {
  const int32_t pen = PenWidth();
  // The neighbours a pen width away are asked of the shape itself, also where they lie off
  // the canvas.
  const auto framed = [&](int32_t x, int32_t y) {
    return !shape.Contains(Moved(x, -pen), y) || !shape.Contains(Moved(x, pen), y) ||
           !shape.Contains(x, Moved(y, -pen)) || !shape.Contains(x, Moved(y, pen));
  };
  for (const ShapeRect& rect : shape.Rects()) {
    const Clip c = ClipTo(rect, Width(), Height());
    for (int64_t y = c.top; y < c.bottom; ++y)
      for (int64_t x = c.left; x < c.right; ++x)
        if (framed(static_cast<int32_t>(x), static_cast<int32_t>(y)))
          pixels_[Index(static_cast<int32_t>(x), static_cast<int32_t>(y))] = BrushColour();
  }
}

CanvasColour RasterCanvas::Pixel(int32_t x, int32_t y) const {
  return pixels_[Index(x, y)];
}

}  // namespace cd::os

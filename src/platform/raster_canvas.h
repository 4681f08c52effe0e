// RasterCanvas: a canvas of RGB pixels in memory. The outlined shapes take the pen's pixels
// along their outlines (pen_stroke.h, outline_path.h) and fill the rest of their polygon's
// inside with the brush, as GDI's drawing does. Fills cover a shape's rectangles; frames
// take the shape's pixels whose neighbour a pen width away to the left or right, or above or
// below, lies outside the shape, which is what a GDI region frame of that width and height
// covers. The POSIX platform's canvas; portable, so that a Windows test can hold it against
// a GDI bitmap.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace cd::os {

class RasterCanvas final : public Canvas {
 public:
  RasterCanvas(int32_t width, int32_t height);

  void Rectangle(const ShapeRect& rect) override;
  void Ellipse(const ShapeRect& rect) override;
  void RoundRect(const ShapeRect& rect, int32_t width, int32_t height) override;
  void Polygon(const std::vector<ShapePoint>& points) override;
  void FillShape(const RegionShape& shape) override;
  void FrameShape(const RegionShape& shape) override;
  CanvasColour Pixel(int32_t x, int32_t y) const override;

 private:
  // The outline in the pen and the rest of inside (the outline's polygon) in the brush.
  void DrawOutlined(const std::vector<ShapePoint>& outline, const RegionShape& inside);
  size_t Index(int32_t x, int32_t y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x);
  }

  std::vector<CanvasColour> pixels_;
};

}  // namespace cd::os

// The shape of a screen region: rectangles, ellipses, rounded rectangles and polygons (filled
// alternately), asked whether a point lies inside, moved, and listed as the rectangles that
// cover it. Windows: a GDI region (CreateRectRgn and its kin, PtInRegion, OffsetRgn,
// GetRgnBox, GetRegionData). POSIX: RegionBands, the same cover as sorted bands of rectangles.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace cd::os {

struct ShapeRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const ShapeRect&) const = default;
};

struct ShapePoint {
  int32_t x = 0;
  int32_t y = 0;
};

class RegionShape {
 public:
  static std::unique_ptr<RegionShape> Rectangle(const ShapeRect& rect);
  // The ellipse inscribed in rect.
  static std::unique_ptr<RegionShape> Ellipse(const ShapeRect& rect);
  // rect with its corners rounded by an ellipse of width x height.
  static std::unique_ptr<RegionShape> RoundRect(const ShapeRect& rect, int32_t width,
                                                int32_t height);
  static std::unique_ptr<RegionShape> Polygon(const std::vector<ShapePoint>& points);

  virtual ~RegionShape() = default;
  virtual bool Contains(int32_t x, int32_t y) const = 0;
  virtual void Offset(int32_t dx, int32_t dy) = 0;
  // The bounding box; all zero for an empty shape.
  virtual ShapeRect Box() const = 0;
  // The rectangles that cover the shape, top to bottom and left to right within a band.
  virtual std::vector<ShapeRect> Rects() const = 0;
};

}  // namespace cd::os

// RegionBands: a region as GDI keeps one, bands of rows (top to bottom) each covered by the
// same sorted spans of columns. Answers Contains by two binary searches. The POSIX platform's
// region shape; portable, so that a Windows test can hold it against real GDI regions.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/region_shape.h"

namespace cd::os {

// How a polygon's crossings fill it: every other crossing (GDI's ALTERNATE), or wherever
// the outline winds round a point (WINDING).
enum class PolyFill { Alternate, Winding };

class RegionBands : public RegionShape {
 public:
  // The most edge crossings (span ends) a polygon may make; a polygon past it fails at once
  // (a region file of a few hundred kilobytes could otherwise ask for gigabytes).
  static constexpr int64_t kMostSpanEnds = int64_t{1} << 22;

  static RegionBands FromRect(const ShapeRect& rect);
  static RegionBands FromRoundRect(const ShapeRect& rect, int32_t width, int32_t height);
  static RegionBands FromEllipse(const ShapeRect& rect);
  static RegionBands FromPolygon(const std::vector<ShapePoint>& points,
                                 PolyFill fill = PolyFill::Alternate);

  bool Contains(int32_t x, int32_t y) const override;
  void Offset(int32_t dx, int32_t dy) override;
  ShapeRect Box() const override;
  std::vector<ShapeRect> Rects() const override;

 private:
  struct Band {
    int32_t top;
    int32_t bottom;
    std::vector<int32_t> ends;  // span starts and ends in turn: [ends[0], ends[1]) and so on
  };
  template <PolyFill kFill>
  static RegionBands BuildPolygon(const std::vector<ShapePoint>& points);
  // Appends the rows [top, bottom) with their span ends; rows equal to the band above it
  // widen that band.
  void AddBand(int32_t top, int32_t bottom, const std::vector<int32_t>& ends);

  std::vector<Band> bands_;
};

}  // namespace cd::os

// TPolyRegion: the polygon of its points, filled alternately. Rect is held beside them for
// the reference point and for moving; the shape is the points'.
#pragma once

#include <vector>

#include "regions/rect_region.h"

namespace cd {

class TPolyRegion : public TRectRegion {
 public:
  TPolyRegion() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::vector<TRegionPoint>& Points() const { return points_; }
  void SetPoints(std::vector<TRegionPoint> points);

  void OffsetBy(const TRegionPoint& delta) override;
  // The box of the polygon's shape.
  os::ShapeRect GetBounds() override { return TRegion::GetBounds(); }
  // The rectangle's record, then a 16-bit point count and the points (16-bit X and Y each).
  void LoadFromStream(TStream& stream) override;

 protected:
  std::unique_ptr<os::RegionShape> CreateHandle() override;
  void DrawShape(os::Canvas& canvas) override;

 private:
  std::vector<os::ShapePoint> ShapePoints() const;
  std::vector<TRegionPoint> points_;
};

}  // namespace cd

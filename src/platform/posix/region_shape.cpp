// Region shapes on POSIX: region bands.
#include "platform/region_bands.h"

namespace cd::os {

std::unique_ptr<RegionShape> RegionShape::Rectangle(const ShapeRect& rect) {
  return std::make_unique<RegionBands>(RegionBands::FromRect(rect));
}

std::unique_ptr<RegionShape> RegionShape::Ellipse(const ShapeRect& rect) {
  return std::make_unique<RegionBands>(RegionBands::FromEllipse(rect));
}

std::unique_ptr<RegionShape> RegionShape::RoundRect(const ShapeRect& rect, int32_t width,
                                                    int32_t height) {
  return std::make_unique<RegionBands>(RegionBands::FromRoundRect(rect, width, height));
}

std::unique_ptr<RegionShape> RegionShape::Polygon(const std::vector<ShapePoint>& points) {
  return std::make_unique<RegionBands>(RegionBands::FromPolygon(points));
}

}  // namespace cd::os

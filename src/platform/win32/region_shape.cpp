// Region shapes on Windows: GDI regions.
#include "platform/region_shape.h"

#include <windows.h>

#include <vector>

#include "base/exceptions.h"

namespace cd::os {
namespace {

class GdiRegion final : public RegionShape {
 public:
  explicit GdiRegion(HRGN region) : region_(region) {
    if (!region_) throw Exception("The system could not make the region");
  }
  ~GdiRegion() override { DeleteObject(region_); }
  GdiRegion(const GdiRegion&) = delete;
  GdiRegion& operator=(const GdiRegion&) = delete;

  bool Contains(int32_t x, int32_t y) const override { return PtInRegion(region_, x, y) != 0; }
  void Offset(int32_t dx, int32_t dy) override { OffsetRgn(region_, dx, dy); }
  ShapeRect Box() const override {
    RECT box{};
    if (GetRgnBox(region_, &box) == NULLREGION) return {};
    return {box.left, box.top, box.right, box.bottom};
  }
  std::vector<ShapeRect> Rects() const override {
    const DWORD size = GetRegionData(region_, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    std::vector<ShapeRect> rects;
    if (size == 0 || GetRegionData(region_, size, data) == 0) return rects;
    const auto* rect = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
      rects.push_back({rect[i].left, rect[i].top, rect[i].right, rect[i].bottom});
    return rects;
  }

 private:
  HRGN region_;
};

}  // namespace

std::unique_ptr<RegionShape> RegionShape::Rectangle(const ShapeRect& r) {
  return std::make_unique<GdiRegion>(CreateRectRgn(r.left, r.top, r.right, r.bottom));
}

std::unique_ptr<RegionShape> RegionShape::Ellipse(const ShapeRect& r) {
  return std::make_unique<GdiRegion>(CreateEllipticRgn(r.left, r.top, r.right, r.bottom));
}

std::unique_ptr<RegionShape> RegionShape::RoundRect(const ShapeRect& r, int32_t width,
                                                    int32_t height) {
  return std::make_unique<GdiRegion>(
      CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, width, height));
}

std::unique_ptr<RegionShape> RegionShape::Polygon(const std::vector<ShapePoint>& points) {
  std::vector<POINT> gdi;
  gdi.reserve(points.size());
  for (const ShapePoint& p : points) gdi.push_back({p.x, p.y});
  if (gdi.empty()) return std::make_unique<GdiRegion>(CreateRectRgn(0, 0, 0, 0));
  return std::make_unique<GdiRegion>(
      CreatePolygonRgn(gdi.data(), static_cast<int>(gdi.size()), ALTERNATE));
}

}  // namespace cd::os

// TRoundedRectRegion: its keys and shape.
#include "regions/rounded_rect_region.h"

#include "platform/canvas.h"

namespace cd {

const TClassInfo& TRoundedRectRegion::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRoundedRectRegion>("TRoundedRectRegion", &TRectRegion::StaticClass())
          .Int(
              "EllipseW", [](const TRoundedRectRegion& r) { return r.ellipseW_; },
              [](TRoundedRectRegion& r, int32_t v) { r.SetEllipseW(v); })
          .Int(
              "EllipseH", [](const TRoundedRectRegion& r) { return r.ellipseH_; },
              [](TRoundedRectRegion& r, int32_t v) { r.SetEllipseH(v); })
          .Build();
  return info;
}

void TRoundedRectRegion::SetEllipseW(int32_t v) {
  if (v == ellipseW_) return;
  ellipseW_ = v;
  DropHandle();
}

void TRoundedRectRegion::SetEllipseH(int32_t v) {
  if (v == ellipseH_) return;
  ellipseH_ = v;
  DropHandle();
}

std::unique_ptr<os::RegionShape> TRoundedRectRegion::CreateHandle() {
  return os::RegionShape::RoundRect(Shape(), ellipseW_, ellipseH_);
}

void TRoundedRectRegion::DrawShape(os::Canvas& canvas) {
  canvas.RoundRect(Shape(), ellipseW_, ellipseH_);
}

}  // namespace cd

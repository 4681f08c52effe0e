// TCircleRegion: its shape and record.
#include "regions/circle_region.h"

#include "platform/canvas.h"
#include "regions/region_record.h"

namespace cd {

const TClassInfo& TCircleRegion::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCircleRegion>("TCircleRegion", &TRectRegion::StaticClass()).Build();
  return info;
}

void TCircleRegion::LoadFromStream(TStream& stream) {
  TRectRegion::LoadFromStream(stream);
  ReadBytes(stream, 6);
}

std::unique_ptr<os::RegionShape> TCircleRegion::CreateHandle() {
  return os::RegionShape::Ellipse(Shape());
}

void TCircleRegion::DrawShape(os::Canvas& canvas) {
  canvas.Ellipse(Shape());
}

}  // namespace cd

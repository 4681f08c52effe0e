// TCircleRegion: the ellipse inscribed in Rect.
#pragma once

#include "regions/rect_region.h"

namespace cd {

class TCircleRegion : public TRectRegion {
 public:
  TCircleRegion() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The rectangle's record and six bytes the reader skips.
  void LoadFromStream(TStream& stream) override;

 protected:
  std::unique_ptr<os::RegionShape> CreateHandle() override;
  void DrawShape(os::Canvas& canvas) override;
};

}  // namespace cd

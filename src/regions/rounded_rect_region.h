// TRoundedRectRegion: Rect with its corners rounded by an ellipse of EllipseW x EllipseH.
// Region files have no record for it; it comes from object text only.
#pragma once

#include <cstdint>

#include "regions/rect_region.h"

namespace cd {

class TRoundedRectRegion : public TRectRegion {
 public:
  TRoundedRectRegion() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t EllipseW() const { return ellipseW_; }
  void SetEllipseW(int32_t v);
  int32_t EllipseH() const { return ellipseH_; }
  void SetEllipseH(int32_t v);

 protected:
  std::unique_ptr<os::RegionShape> CreateHandle() override;
  void DrawShape(os::Canvas& canvas) override;

 private:
  int32_t ellipseW_ = 0;
  int32_t ellipseH_ = 0;
};

}  // namespace cd

// TRegionObj: the region's type and its replacement.
#include "regions/region_obj.h"

#include "base/exceptions.h"
#include "regions/circle_region.h"
#include "regions/poly_region.h"
#include "regions/rounded_rect_region.h"

namespace cd {

const TEnumTypeInfo& RegionTypeType() {
  static const TEnumTypeInfo info{
      "TRegionType",
      {"rt_Rectangle", "rt_Circle", "rt_Polyline", "rt_RoundedRectangle", "rt_None"}};
  return info;
}

const TClassInfo& TRegionObj::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRegionObj>("TRegionObj", &TCollectionItem::StaticClass())
          .Enum<TRegionType>(
              "RegionType", [](const TRegionObj& o) { return o.RegionType(); },
              [](TRegionObj& o, TRegionType v) { o.SetRegionType(v); }, RegionTypeType())
          .Object("Region", [](TRegionObj& o) -> TPersistent* { return o.region_.get(); })
          .Build();
  return info;
}

TRegionObj::TRegionObj(TCollection* collection) : TCollectionItem(collection) {}

TRegionObj::~TRegionObj() = default;

TRegionType TRegionObj::RegionType() const {
  if (!region_) return rt_None;
  const TClassInfo* cls = &region_->ClassType();
  if (cls == &TRectRegion::StaticClass()) return rt_Rectangle;
  if (cls == &TCircleRegion::StaticClass()) return rt_Circle;
  if (cls == &TPolyRegion::StaticClass()) return rt_Polyline;
  if (cls == &TRoundedRectRegion::StaticClass()) return rt_RoundedRectangle;
  throw Exception("TRegionObj.GetRegionTypeEx: Missing RegionType");
}

void TRegionObj::SetRegionType(int type) {
  if (type < rt_Rectangle || type > rt_None) throw Exception("TRegionObj.SetRegionTypeEx");
  if (region_ && type == RegionType()) return;
  if (!region_ && type == rt_None) return;
  switch (type) {
    case rt_Rectangle:
      region_ = std::make_unique<TRectRegion>();
      break;
    case rt_Circle:
      region_ = std::make_unique<TCircleRegion>();
      break;
    case rt_Polyline:
      region_ = std::make_unique<TPolyRegion>();
      break;
    case rt_RoundedRectangle:
      region_ = std::make_unique<TRoundedRectRegion>();
      break;
    default:
      region_.reset();
  }
}

}  // namespace cd

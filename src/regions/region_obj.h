// TRegionObj: one region of a pool, its class chosen by RegionType (read before the region's
// own keys, so that the reader makes the right kind first).
#pragma once

#include <memory>

#include "config/collection_item.h"
#include "config/prop_info.h"
#include "regions/region.h"

namespace cd {

enum TRegionType { rt_Rectangle, rt_Circle, rt_Polyline, rt_RoundedRectangle, rt_None };
const TEnumTypeInfo& RegionTypeType();

class TRegionObj : public TCollectionItem {
 public:
  explicit TRegionObj(TCollection* collection);
  ~TRegionObj() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The type of the region held: its class exactly; rt_None without one. A region of another
  // class fails with "TRegionObj.GetRegionTypeEx: Missing RegionType".
  TRegionType RegionType() const;
  // Another type replaces the region by a new, empty one of that type (none for rt_None); a
  // value outside the type fails with "TRegionObj.SetRegionTypeEx".
  void SetRegionType(int type);
  TRegion* Region() const { return region_.get(); }
  void SetRegion(std::unique_ptr<TRegion> region) { region_ = std::move(region); }

 private:
  std::unique_ptr<TRegion> region_;
};

}  // namespace cd

// Registration of the region classes that a text may name.
#include "regions/region_classes.h"

#include "config/class_registry.h"
#include "regions/circle_region.h"
#include "regions/poly_region.h"
#include "regions/region_pool.h"
#include "regions/rounded_rect_region.h"

namespace cd {

void RegisterRegionClasses() {
  for (const TClassInfo* cls :
       {&TRegionPool::StaticClass(), &TRectRegion::StaticClass(), &TCircleRegion::StaticClass(),
        &TRoundedRectRegion::StaticClass(), &TPolyRegion::StaticClass()})
    RegisterClass(*cls);
}

}  // namespace cd

// TRegionPool: the regions of a form, stored in object text or loaded from a region file
// (FileName, found below the course data folder).
#pragma once

#include <memory>
#include <string>

#include "config/collection.h"
#include "config/component.h"
#include "regions/region_obj.h"

namespace cd {

class TRegionPool : public TComponent {
 public:
  explicit TRegionPool(TComponent* owner);
  ~TRegionPool() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TCollection& Regions() const { return *regions_; }
  int Count() const { return regions_->Count(); }
  TRegion* GetRegion(int index) const;
  // The first region of that name, letter case ignored; -1 when none.
  int IndexOfName(const std::string& name) const;
  // The name the region file gave the pool.
  const std::string& PoolName() const { return poolName_; }

  const std::string& FileName() const { return fileName_; }
  // A different name loads the file (a designed pool loads it whenever the name is set).
  void SetFileName(const std::string& name);
  bool Designing() const { return designing_; }
  void SetDesigning(bool designing) { designing_ = designing; }

  // Replaces the regions by those of a region file: a 46-byte header (the count at offset 8,
  // the pool name's length at 34), the pool name, then one record a region.
  void LoadFromStream(TStream& stream);
  // Loads FileName through the course data folder. A missing file fails when designing
  // ("Region file does not exist <name>") and is passed over at run time.
  void LoadFromFile();

 private:
  std::unique_ptr<TCollection> regions_;
  std::string fileName_;
  std::string poolName_;
  bool designing_ = false;
};

}  // namespace cd

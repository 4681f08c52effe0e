// A datum of a files manager as the medium records it: installed to the "Disk" target with the
// date and the size on the medium given.
#pragma once

#include <cstdint>
#include <string>

#include "install/datum_value.h"

namespace cd::test {

inline TDatumValue* AddDiskDatum(TComponent* owner, const std::string& path, int32_t time,
                                 int32_t destSize) {
  auto* item = new TDatumValue(owner, path);
  item->SetInstalTarget("Disk");
  item->SetTime(time);
  item->SetDestSize(destSize);
  return item;
}

}  // namespace cd::test

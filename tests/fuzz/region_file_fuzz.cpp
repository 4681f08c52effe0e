// Hostile region files: every input must end in a pool read or one of the system's
// exceptions, and every region read must answer its point test and bounds (the shapes are
// built, within their bounds on size).
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/exceptions.h"
#include "regions/region_pool.h"
#include "streams/memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cd::TRegionPool pool(nullptr);
  cd::TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  try {
    pool.LoadFromStream(stream);
  } catch (const cd::Exception&) {
  }
  for (int i = 0; i < pool.Count(); ++i) {
    try {
      cd::TRegion* region = pool.GetRegion(i);
      region->Contains(region->Position().x, region->Position().y);
      region->GetBounds();
    } catch (const cd::Exception&) {
    }
  }
  return 0;
}

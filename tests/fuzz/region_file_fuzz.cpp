// Hostile region files: every input must end in a pool read or one of the system's
// exceptions, and every region read must answer its point test and bounds (the shapes are
// built, within their bounds on size) and paint and frame itself on a small canvas, with a
// thin or a wide pen (the drawing clipped to the canvas, whatever the shape's size).
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/exceptions.h"
#include "platform/canvas.h"
#include "regions/region_pool.h"
#include "streams/memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cd::TRegionPool pool(nullptr);
  cd::TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  try {
    pool.LoadFromStream(stream);
  } catch (const cd::Exception&) {
  }
  const auto canvas = cd::os::Canvas::Create(32, 32);
  canvas->SetPenWidth(size > 0 ? 1 + data[size - 1] % 3 : 1);
  for (int i = 0; i < pool.Count(); ++i) {
    try {
      cd::TRegion* region = pool.GetRegion(i);
      region->Contains(region->Position().x, region->Position().y);
      region->GetBounds();
      region->Paint(*canvas);
      region->Frame(*canvas);
    } catch (const cd::Exception&) {
    }
  }
  return 0;
}

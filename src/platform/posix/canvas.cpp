// Canvases on POSIX: pixels in memory.
#include "platform/raster_canvas.h"

namespace cd::os {

std::unique_ptr<Canvas> Canvas::Create(int32_t width, int32_t height) {
  return std::make_unique<RasterCanvas>(width, height);
}

}  // namespace cd::os

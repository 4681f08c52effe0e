// The outline of an ellipse drawn in a box of width x height pixels, traced from its middle
// rows outwards with integer error terms (the midpoint method for ellipses). GDI rounds the
// corners of its regions by this outline and draws its ellipses and rounded rectangles along
// it, so the region bands and the raster canvas share it.
#pragma once

#include <cstdint>

namespace cd::os {

// Calls plot(x, y) for each point of the upper-left quarter in the order traced: from the
// left end of the middle row (y = (height - 1) / 2, rounded down) up and right to the top
// row. The other quarters are its mirror images: column x mirrors to width - 1 - x, row y to
// height - 1 - y. Returns the column after the last one traced (a tall, narrow ellipse runs
// out of columns before it reaches its top row). width and height must be at least 1 and
// small enough that 8 * width^2 * height^2 fits in 64 bits.
template <typename Plot>
int64_t TraceEllipse(int64_t width, int64_t height, Plot plot) {
  int64_t x0 = 0, x1 = width - 1, a = width - 1, b = height - 1, odd = b & 1;
  int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (odd + 1) * a * a;
  int64_t err = dx + dy + odd * a * a;
  int64_t y1 = (b + 1) / 2 - odd;
  const int64_t stepY = 8 * a * a, stepX = 8 * b * b;
  do {
    if (y1 >= 0) plot(x0, y1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      --y1;
      err += dy += stepY;
    }
    if (e2 >= dx) {
      ++x0;
      --x1;
      err += dx += stepX;
    }
  } while (x0 <= x1);
  return x0;
}

}  // namespace cd::os

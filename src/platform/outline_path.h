// The closed outlines along which GDI draws its shapes, as the points a pen goes through:
// the rectangle's four corners, and the rounded rectangle's (and the ellipse's) traced
// corners with the straight runs between them. The inside of each is its polygon.
#pragma once

#include <vector>

#include "platform/region_shape.h"

namespace cd::os {

// The corners of rect in order (either corner first), on its left and top edges and on the
// column and row inside its right and bottom edges; none when rect has no width or height.
std::vector<ShapePoint> RectangleOutline(const ShapeRect& rect);

// rect with its corners rounded by a width x height ellipse (each at most rect's size); a
// corner ellipse of 2 pixels or less across either way leaves the rectangle's corners. Fails
// for a corner ellipse wider or higher than 65535 pixels.
std::vector<ShapePoint> RoundRectOutline(const ShapeRect& rect, int32_t width, int32_t height);

}  // namespace cd::os

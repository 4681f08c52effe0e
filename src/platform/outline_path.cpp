// The outlines of rectangles and rounded rectangles as GDI draws them.
#include "platform/outline_path.h"

#include <algorithm>
#include <cstdlib>

#include "base/exceptions.h"
#include "platform/ellipse_trace.h"

namespace cd::os {
namespace {

constexpr int64_t kWidestCorner = 65535;

struct Box {
  int64_t left, top, right, bottom;
};

Box Ordered(const ShapeRect& rect) {
  return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
          std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
}

ShapePoint At(int64_t x, int64_t y) {
  return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

}  // namespace

std::vector<ShapePoint> RectangleOutline(const ShapeRect& rect) {
  const Box b = Ordered(rect);
  if (b.left == b.right || b.top == b.bottom) return {};
  return {At(b.left, b.top), At(b.right - 1, b.top), At(b.right - 1, b.bottom - 1),
          At(b.left, b.bottom - 1)};
}

std::vector<ShapePoint> RoundRectOutline(const ShapeRect& rect, int32_t width, int32_t height) {
  const Box b = Ordered(rect);
  const int64_t w = std::min(b.right - b.left, std::abs(int64_t{width}));
  const int64_t h = std::min(b.bottom - b.top, std::abs(int64_t{height}));
  if (w <= 2 || h <= 2) return RectangleOutline(rect);
  if (w > kWidestCorner || h > kWidestCorner)
    throw Exception("A corner ellipse of " + std::to_string(w) + " x " + std::to_string(h) +
                    " pixels is larger than can be drawn");
  // The upper-left quarter from the middle row up to the top; the other corners mirror it.
  std::vector<ShapePoint> quarter;
  TraceEllipse(w, h, [&](int64_t x, int64_t y) { quarter.push_back(At(x, y)); });
  std::vector<ShapePoint> outline;
  outline.reserve(4 * quarter.size());
  const int64_t right = b.right - 1, bottom = b.bottom - 1;
  for (auto p = quarter.begin(); p != quarter.end(); ++p)
    outline.push_back(At(b.left + p->x, b.top + p->y));
  for (auto p = quarter.rbegin(); p != quarter.rend(); ++p)
    outline.push_back(At(right - p->x, b.top + p->y));
  for (auto p = quarter.begin(); p != quarter.end(); ++p)
    outline.push_back(At(right - p->x, bottom - p->y));
  for (auto p = quarter.rbegin(); p != quarter.rend(); ++p)
    outline.push_back(At(b.left + p->x, bottom - p->y));
  return outline;
}

}  // namespace cd::os

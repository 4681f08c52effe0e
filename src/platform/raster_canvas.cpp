// RasterCanvas: fills and frames on pixels in memory.
#include "platform/raster_canvas.h"

#include <algorithm>

#include "platform/outline_path.h"
#include "platform/pen_stroke.h"
#include "platform/region_bands.h"

namespace cd::os {
namespace {

// rect clipped to [0, width) x [0, height), in 64 bits so that edges near the ends of the
// 32-bit range do not overflow.
struct Clip {
  int64_t left, top, right, bottom;
};

Clip ClipTo(const ShapeRect& rect, int32_t width, int32_t height) {
  return {std::max<int64_t>(rect.left, 0), std::max<int64_t>(rect.top, 0),
          std::min<int64_t>(rect.right, width), std::min<int64_t>(rect.bottom, height)};
}

int32_t Moved(int32_t value, int64_t by) {
  return static_cast<int32_t>(std::clamp<int64_t>(value + by, INT32_MIN, INT32_MAX));
}

}  // namespace

RasterCanvas::RasterCanvas(int32_t width, int32_t height)
    : Canvas(width, height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height),
              CanvasColour{255, 255, 255}) {}

void RasterCanvas::Rectangle(const ShapeRect& rect) {
  // The inside of the outline's corners, made directly: as a polygon, a tall rectangle would
  // make too many edge crossings.
  const std::vector<ShapePoint> outline = RectangleOutline(rect);
  if (outline.empty()) return;
  DrawOutlined(outline,
               RegionBands::FromRect({outline[0].x, outline[0].y, outline[2].x, outline[2].y}));
}

void RasterCanvas::Ellipse(const ShapeRect& rect) {
  RoundRect(rect, static_cast<int32_t>(int64_t{rect.right} - rect.left),
            static_cast<int32_t>(int64_t{rect.bottom} - rect.top));
}

void RasterCanvas::RoundRect(const ShapeRect& rect, int32_t width, int32_t height) {
  const std::vector<ShapePoint> outline = RoundRectOutline(rect, width, height);
  DrawOutlined(outline, RegionBands::FromPolygon(outline, PolyFill::Winding));
}

void RasterCanvas::Polygon(const std::vector<ShapePoint>& points) {
  DrawOutlined(points, RegionBands::FromPolygon(points, PolyFill::Winding));
}

void RasterCanvas::DrawOutlined(const std::vector<ShapePoint>& outline, const RegionShape& inside) {
  if (outline.empty()) return;
  // Only the part of the canvas within a pen width of the outline's points is touched.
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  for (const ShapePoint& p : outline) {
    left = std::min<int64_t>(left, p.x);
    top = std::min<int64_t>(top, p.y);
    right = std::max<int64_t>(right, p.x);
    bottom = std::max<int64_t>(bottom, p.y);
  }
  const int64_t reach = PenWidth();
  const Clip area =
      ClipTo({Moved(static_cast<int32_t>(left), -reach), Moved(static_cast<int32_t>(top), -reach),
              Moved(static_cast<int32_t>(right), reach + 1),
              Moved(static_cast<int32_t>(bottom), reach + 1)},
             Width(), Height());
  if (area.left >= area.right || area.top >= area.bottom) return;
  const auto areaWidth = static_cast<size_t>(area.right - area.left);
  const auto inArea = [&](int64_t x, int64_t y) {
    return static_cast<size_t>(y - area.top) * areaWidth + static_cast<size_t>(x - area.left);
  };
  // The pen's pixels are marked first, so that the brush leaves them for the pen.
  std::vector<bool> pen(areaWidth * static_cast<size_t>(area.bottom - area.top), false);
  const ShapeRect clip{static_cast<int32_t>(area.left), static_cast<int32_t>(area.top),
                       static_cast<int32_t>(area.right), static_cast<int32_t>(area.bottom)};
  StrokeOutline(outline, PenWidth(), clip, [&](const ShapeRect& r) {
    for (int32_t y = r.top; y < r.bottom; ++y)
      for (int32_t x = r.left; x < r.right; ++x) pen[inArea(x, y)] = true;
  });
  if (!BrushClear())
    for (const ShapeRect& rect : inside.Rects()) {
      const Clip c = ClipTo(rect, Width(), Height());
      for (int64_t y = c.top; y < c.bottom; ++y)
        for (int64_t x = c.left; x < c.right; ++x)
          if (!pen[inArea(x, y)])
            pixels_[Index(static_cast<int32_t>(x), static_cast<int32_t>(y))] = BrushColour();
    }
  for (int64_t y = area.top; y < area.bottom; ++y)
    for (int64_t x = area.left; x < area.right; ++x)
      if (pen[inArea(x, y)])
        pixels_[Index(static_cast<int32_t>(x), static_cast<int32_t>(y))] = PenColour();
}

void RasterCanvas::FillShape(const RegionShape& shape) {
  if (BrushClear()) return;
  for (const ShapeRect& rect : shape.Rects()) {
    const Clip c = ClipTo(rect, Width(), Height());
    for (int64_t y = c.top; y < c.bottom; ++y)
      for (int64_t x = c.left; x < c.right; ++x)
        pixels_[Index(static_cast<int32_t>(x), static_cast<int32_t>(y))] = BrushColour();
  }
}

void RasterCanvas::FrameShape(const RegionShape& shape) {
  if (BrushClear()) return;
  const int32_t pen = PenWidth();
  // The neighbours a pen width away are asked of the shape itself, also where they lie off
  // the canvas.
  const auto framed = [&](int32_t x, int32_t y) {
    return !shape.Contains(Moved(x, -pen), y) || !shape.Contains(Moved(x, pen), y) ||
           !shape.Contains(x, Moved(y, -pen)) || !shape.Contains(x, Moved(y, pen));
  };
  for (const ShapeRect& rect : shape.Rects()) {
    const Clip c = ClipTo(rect, Width(), Height());
    for (int64_t y = c.top; y < c.bottom; ++y)
      for (int64_t x = c.left; x < c.right; ++x)
        if (framed(static_cast<int32_t>(x), static_cast<int32_t>(y)))
          pixels_[Index(static_cast<int32_t>(x), static_cast<int32_t>(y))] = BrushColour();
  }
}

CanvasColour RasterCanvas::Pixel(int32_t x, int32_t y) const {
  return pixels_[Index(x, y)];
}

}  // namespace cd::os

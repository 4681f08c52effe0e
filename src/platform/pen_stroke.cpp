// Pens along outlines: thin steps pixel by pixel, wide steps as bands and round dots.
#include "platform/pen_stroke.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/outline_path.h"
#include "platform/region_bands.h"

namespace cd::os {
namespace {

// The thin step from a to b, without b, within clip: on step i of n along the longer side,
// the shorter side has moved by i * d / n rounded to the nearest whole pixel, halves down.
void ThinStep(ShapePoint a, ShapePoint b, const ShapeRect& clip,
              const std::function<void(const ShapeRect&)>& cover) {
  const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
  const bool wide = std::abs(dx) >= std::abs(dy);
  const int64_t n = wide ? std::abs(dx) : std::abs(dy);
  if (n == 0) return;
  const int64_t along = wide ? a.x : a.y, across = wide ? a.y : a.x;
  const int64_t sign = (wide ? dx : dy) > 0 ? 1 : -1, d = wide ? dy : dx;
  // Only the steps whose longer coordinate lies within clip.
  const int64_t low = wide ? clip.left : clip.top, high = wide ? clip.right : clip.bottom;
  int64_t first = sign > 0 ? low - along : along - (high - 1);
  int64_t last = sign > 0 ? high - 1 - along : along - low;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, n - 1);
  for (int64_t i = first; i <= last; ++i) {
    const int64_t at = along + sign * i;
    const int64_t off = across + ThinStepOffset(i, d, n);
    const int64_t x = wide ? at : off, y = wide ? off : at;
    if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom)
      cover({static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x + 1),
             static_cast<int32_t>(y + 1)});
  }
}

int32_t Narrow(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

void CoverBands(const RegionBands& bands, const ShapeRect& clip,
                const std::function<void(const ShapeRect&)>& cover) {
  for (const ShapeRect& r : bands.Rects()) {
    const ShapeRect c{std::max(r.left, clip.left), std::max(r.top, clip.top),
                      std::min(r.right, clip.right), std::min(r.bottom, clip.bottom)};
    if (c.left < c.right && c.top < c.bottom) cover(c);
  }
}

// The wide step from a to b: a level or upright one covers the whole pixels from a to b
// across the width. A slanting one covers the polygon of its ends moved to either side: the
// pen's width as it crosses each axis, split into a narrower half (rounded down at .5) on one
// side and a wider half on the other, which side depends on the step's direction.
RegionBands WideStep(ShapePoint a, ShapePoint b, int32_t width) {
  const int64_t before = width / 2, after = width - width / 2;
  if (a.y == b.y)
    return RegionBands::FromRect({std::min(a.x, b.x), Narrow(a.y - before),
                                  Narrow(int64_t{std::max(a.x, b.x)} + 1), Narrow(a.y + after)});
  if (a.x == b.x)
    return RegionBands::FromRect({Narrow(a.x - before), std::min(a.y, b.y), Narrow(a.x + after),
                                  Narrow(int64_t{std::max(a.y, b.y)} + 1)});
  const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
  const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double acrossX = width * static_cast<double>(std::abs(dy)) / length;
  const double acrossY = width * static_cast<double>(std::abs(dx)) / length;
  const auto rounded = [](double v) { return static_cast<int64_t>(std::floor(v + 0.5)); };
  struct Offset {
    int64_t x, y;
  };
  Offset narrow{rounded(acrossX / 2), rounded(acrossY / 2)};
  Offset wide{rounded((acrossX + 1) / 2), rounded((acrossY + 1) / 2)};
  if (dx < 0) {
    narrow.y = -narrow.y;
    wide.y = -wide.y;
  }
  if (dy < 0) {
    std::swap(narrow, wide);
    narrow.x = -narrow.x;
    wide.x = -wide.x;
  }
  return RegionBands::FromPolygon({{Narrow(a.x - narrow.x), Narrow(a.y + narrow.y)},
                                   {Narrow(a.x + wide.x), Narrow(a.y - wide.y)},
                                   {Narrow(b.x + wide.x), Narrow(b.y - wide.y)},
                                   {Narrow(b.x - narrow.x), Narrow(b.y + narrow.y)}});
}

// The round dot of a wide pen on p: the pixels of an ellipse of the pen's width drawn round
// it, its outline's points and its inside.
void Dot(ShapePoint p, int32_t width, const ShapeRect& clip,
         const std::function<void(const ShapeRect&)>& cover) {
  const int64_t before = width / 2, after = width - width / 2;
  const ShapeRect box{Narrow(p.x - before), Narrow(p.y - before), Narrow(p.x + after),
                      Narrow(p.y + after)};
  const std::vector<ShapePoint> outline = RoundRectOutline(box, width, width);
  for (const ShapePoint& q : outline)
    CoverBands(
        RegionBands::FromRect({q.x, q.y, Narrow(int64_t{q.x} + 1), Narrow(int64_t{q.y} + 1)}), clip,
        cover);
  CoverBands(RegionBands::FromPolygon(outline), clip, cover);
}

}  // namespace

// The quotient is estimated in floating point, off by at most one for these magnitudes, and
// corrected by its remainder, which is small and so exact in 64-bit arithmetic that wraps
// (the products themselves reach 2^65).
int64_t ThinStepOffset(int64_t i, int64_t d, int64_t n) {
  const uint64_t numerator =
      2 * static_cast<uint64_t>(i) * static_cast<uint64_t>(d) - static_cast<uint64_t>(n);
  const uint64_t denominator = 2 * static_cast<uint64_t>(n);
  auto q = static_cast<int64_t>(
      std::ceil((2.0 * static_cast<double>(i) * static_cast<double>(d) - static_cast<double>(n)) /
                (2.0 * static_cast<double>(n))));
  // The remainder q * denominator - numerator, ceil's being 0 or more and below denominator.
  const auto remainder = [&] {
    return static_cast<int64_t>(static_cast<uint64_t>(q) * denominator - numerator);
  };
  while (remainder() < 0) ++q;
  while (remainder() >= static_cast<int64_t>(denominator)) --q;
  return q;
}

void StrokeOutline(const std::vector<ShapePoint>& outline, int32_t width, const ShapeRect& clip,
                   const std::function<void(const ShapeRect&)>& cover) {
  for (size_t i = 0; i < outline.size(); ++i) {
    const ShapePoint a = outline[i], b = outline[(i + 1) % outline.size()];
    if (width <= 1) {
      ThinStep(a, b, clip, cover);
    } else if (int64_t{std::max(a.x, b.x)} + width >= clip.left &&
               int64_t{std::min(a.x, b.x)} - width < clip.right &&
               int64_t{std::max(a.y, b.y)} + width >= clip.top &&
               int64_t{std::min(a.y, b.y)} - width < clip.bottom) {
      // Only steps that come within a pen width of clip can cover any of it.
      CoverBands(WideStep(a, b, width), clip, cover);
      Dot(a, width, clip, cover);
    }
  }
}

}  // namespace cd::os

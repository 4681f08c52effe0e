// Building region bands from shapes, and the point test.
#include "platform/region_bands.h"

#include <algorithm>
#include <cmath>

#include "base/exceptions.h"

namespace cd::os {
namespace {

int32_t Wrap(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The widest corner ellipse whose error terms stay well within 64 bits.
constexpr int64_t kWidestEllipse = 65535;

// The columns [from, to) of each row of an ellipse drawn in a box of width x height pixels.
// Its outline is traced from the middle rows outwards with integer error terms (the midpoint
// method for ellipses): a step to the next row pair when the error allows it, and a step
// inwards by a column whenever the error has not fallen below the column threshold. Each row
// spans from the first column the trace reaches on it to its mirror image. This is the
// outline GDI rounds region corners by, column for column.
std::vector<std::pair<int64_t, int64_t>> EllipseRows(int64_t width, int64_t height) {
  std::vector<std::pair<int64_t, int64_t>> rows(static_cast<size_t>(height),
                                                {INT64_MAX, INT64_MIN});
  const auto plot = [&](int64_t x, int64_t y) {
    auto& row = rows[static_cast<size_t>(y)];
    if (x < row.first) row = {x, width - x};
  };
  int64_t x0 = 0, x1 = width - 1, a = width - 1, b = height - 1, odd = b & 1;
  int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (odd + 1) * a * a;
  int64_t err = dx + dy + odd * a * a;
  int64_t y0 = (b + 1) / 2, y1 = y0 - odd;
  const int64_t stepY = 8 * a * a, stepX = 8 * b * b;
  do {
    if (y0 < height) plot(x0, y0);
    if (y1 >= 0) plot(x0, y1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      err += dy += stepY;
    }
    if (e2 >= dx) {
      ++x0;
      --x1;
      err += dx += stepX;
    }
  } while (x0 <= x1);
  // A tall, narrow ellipse runs out of columns before it reaches its top and bottom rows: its
  // tips are the middle columns the trace ended on.
  for (auto& row : rows)
    if (row.first == INT64_MAX) row = {x0 - 1, width - (x0 - 1)};
  return rows;
}

}  // namespace

void RegionBands::AddBand(int32_t top, int32_t bottom, const std::vector<int32_t>& ends) {
  if (ends.empty() || top >= bottom) return;
  if (!bands_.empty() && bands_.back().bottom == top && bands_.back().ends == ends) {
    bands_.back().bottom = bottom;
    return;
  }
  bands_.push_back(Band{top, bottom, ends});
}

RegionBands RegionBands::FromRect(const ShapeRect& rect) {
  RegionBands bands;
  const int32_t left = std::min(rect.left, rect.right), right = std::max(rect.left, rect.right);
  const int32_t top = std::min(rect.top, rect.bottom), bottom = std::max(rect.top, rect.bottom);
  if (left < right && top < bottom) bands.bands_.push_back(Band{top, bottom, {left, right}});
  return bands;
}

// GDI leaves out the right column and the bottom row of a rounded rectangle; corner ellipses
// narrower or lower than two pixels make it a plain rectangle.
RegionBands RegionBands::FromRoundRect(const ShapeRect& rect, int32_t width, int32_t height) {
  const int64_t left = std::min(rect.left, rect.right),
                right = int64_t{std::max(rect.left, rect.right)} - 1;
  const int64_t top = std::min(rect.top, rect.bottom),
                bottom = int64_t{std::max(rect.top, rect.bottom)} - 1;
  const int64_t w = std::min(right - left, std::abs(int64_t{width}));
  const int64_t h = std::min(bottom - top, std::abs(int64_t{height}));
  // The shortened box of an empty box is one pixel wide or high, left of or above it.
  if (w < 2 || h < 2) return FromRect({Wrap(left), Wrap(top), Wrap(right), Wrap(bottom)});
  if (w > kWidestEllipse || h > kWidestEllipse)
    throw Exception("A rounded region's corner ellipse of " + std::to_string(w) + " x " +
                    std::to_string(h) + " pixels is larger than a region can have");
  RegionBands bands;
  const int64_t half = h / 2;
  // Rows within the corner ellipse's upper or lower half are narrowed by its edge; the rows
  // between them are one band, however many there are.
  const std::vector<std::pair<int64_t, int64_t>> rows = EllipseRows(w, h);
  const auto corner = [&](int64_t y, int64_t row) {
    const auto [from, to] = rows[static_cast<size_t>(row)];
    if (from < to) bands.AddBand(Wrap(y), Wrap(y + 1), {Wrap(left + from), Wrap(right - (w - to))});
  };
  for (int64_t row = 0; row < half; ++row) corner(top + row, row);
  const int64_t lowerStart = bottom - (h - half);
  bands.AddBand(Wrap(top + half), Wrap(lowerStart), {Wrap(left), Wrap(right)});
  for (int64_t row = half; row < h; ++row) corner(lowerStart + (row - half), row);
  return bands;
}

RegionBands RegionBands::FromEllipse(const ShapeRect& rect) {
  // The corner ellipse is the whole box (its width and height wrap as 32-bit numbers do, for
  // a box wider than they can hold).
  return FromRoundRect(rect, Wrap(int64_t{rect.right} - rect.left),
                       Wrap(int64_t{rect.bottom} - rect.top));
}

// Scan conversion as GDI does it: row y takes the edges with y in [upper end, lower end), each
// crossing at the first whole column at or right of the edge; alternate crossings open and
// close spans.
RegionBands RegionBands::FromPolygon(const std::vector<ShapePoint>& points) {
  struct Edge {
    int64_t y0, y1;  // the rows [y0, y1) it crosses
    int64_t x;       // its crossing on the current row: the first whole column at or right
    int64_t behind;  // of the edge, x * dy - behind being the exact crossing times dy
    int64_t dy, stepX, stepBehind;  // per row: x grows by stepX and behind shrinks by stepBehind
  };
  std::vector<Edge> edges;
  for (size_t i = 0; i < points.size(); ++i) {
    ShapePoint a = points[i];
    ShapePoint b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
    int64_t stepX = dx / dy, stepBehind = dx % dy;
    if (stepBehind < 0) {
      --stepX;
      stepBehind += dy;
    }
    edges.push_back({a.y, b.y, a.x, 0, dy, stepX, stepBehind});
  }
  RegionBands bands;
  if (edges.empty()) return bands;
  // Each edge crosses every row it spans once: the crossings are known before any is made.
  int64_t crossings = 0;
  for (const Edge& e : edges) crossings += e.y1 - e.y0;
  if (crossings > kMostSpanEnds)
    throw Exception("The polygon is too complex for a region (" + std::to_string(crossings) +
                    " edge crossings, at most " + std::to_string(kMostSpanEnds) + ")");
  std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y0 < r.y0; });
  int64_t bottom = edges[0].y1;
  for (const Edge& e : edges) bottom = std::max(bottom, e.y1);
  // The active edges stay sorted by crossing from row to row: their order changes only where
  // edges cross, so an insertion sort has little to do.
  std::vector<Edge*> active;
  size_t next = 0;
  std::vector<int32_t> ends;
  for (int64_t y = edges[0].y0; y < bottom; ++y) {
    // Edges that begin on this row go in at their place; then the few that crossed since the
    // last row are put back in order.
    for (size_t i = 1; i < active.size(); ++i)
      for (size_t j = i; j > 0 && active[j - 1]->x > active[j]->x; --j)
        std::swap(active[j - 1], active[j]);
    while (next < edges.size() && edges[next].y0 == y) {
      Edge* e = &edges[next++];
      active.insert(std::upper_bound(active.begin(), active.end(), e->x,
                                     [](int64_t x, const Edge* a) { return x < a->x; }),
                    e);
    }
    if (active.empty()) {
      if (next < edges.size()) y = edges[next].y0 - 1;
      continue;
    }
    ends.clear();
    for (size_t i = 0; i + 1 < active.size(); i += 2) {
      const int64_t from = active[i]->x, to = active[i + 1]->x;
      if (from == to) continue;
      // Spans that touch join, as they do in a GDI region.
      if (!ends.empty() && ends.back() == Wrap(from)) {
        ends.back() = Wrap(to);
      } else {
        ends.push_back(Wrap(from));
        ends.push_back(Wrap(to));
      }
    }
    bands.AddBand(Wrap(y), Wrap(y + 1), ends);
    // Step every edge to the next row, and let the edges that end there go.
    size_t kept = 0;
    for (Edge* e : active) {
      if (e->y1 <= y + 1) continue;
      e->x += e->stepX;
      e->behind -= e->stepBehind;
      if (e->behind < 0) {
        e->behind += e->dy;
        ++e->x;
      }
      active[kept++] = e;
    }
    active.resize(kept);
  }
  return bands;
}

bool RegionBands::Contains(int32_t x, int32_t y) const {
  const auto band = std::upper_bound(bands_.begin(), bands_.end(), y,
                                     [](int32_t v, const Band& b) { return v < b.bottom; });
  if (band == bands_.end() || y < band->top) return false;
  const auto end = std::upper_bound(band->ends.begin(), band->ends.end(), x);
  return (end - band->ends.begin()) % 2 == 1;
}

void RegionBands::Offset(int32_t dx, int32_t dy) {
  for (Band& band : bands_) {
    band.top = Wrap(int64_t{band.top} + dy);
    band.bottom = Wrap(int64_t{band.bottom} + dy);
    for (int32_t& x : band.ends) x = Wrap(int64_t{x} + dx);
  }
}

ShapeRect RegionBands::Box() const {
  if (bands_.empty()) return {};
  ShapeRect box{bands_.front().ends.front(), bands_.front().top, bands_.front().ends.back(),
                bands_.back().bottom};
  for (const Band& band : bands_) {
    box.left = std::min(box.left, band.ends.front());
    box.right = std::max(box.right, band.ends.back());
  }
  return box;
}

std::vector<ShapeRect> RegionBands::Rects() const {
  std::vector<ShapeRect> rects;
  for (const Band& band : bands_)
    for (size_t i = 0; i + 1 < band.ends.size(); i += 2)
      rects.push_back({band.ends[i], band.top, band.ends[i + 1], band.bottom});
  return rects;
}

}  // namespace cd::os

// Building region bands from shapes, and the point test.
#include "platform/region_bands.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "base/exceptions.h"
#include "platform/ellipse_trace.h"

namespace cd::os {
namespace {

int32_t Wrap(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The widest corner ellipse whose error terms stay well within 64 bits.
constexpr int64_t kWidestEllipse = 65535;

// The columns [from, to) of each row of an ellipse drawn in a box of width x height pixels:
// each row spans from the first column the outline's trace reaches on it to its mirror
// image. This is the outline GDI rounds region corners by, column for column.
std::vector<std::pair<int64_t, int64_t>> EllipseRows(int64_t width, int64_t height) {
  std::vector<std::pair<int64_t, int64_t>> rows(static_cast<size_t>(height),
                                                {INT64_MAX, INT64_MIN});
  const auto plot = [&](int64_t x, int64_t y) {
    for (const int64_t row : {y, height - 1 - y}) {
      auto& span = rows[static_cast<size_t>(row)];
      if (x < span.first) span = {x, width - x};
    }
  };
  const int64_t end = TraceEllipse(width, height, plot);
  // A tall, narrow ellipse runs out of columns before it reaches its top and bottom rows: its
  // tips are the middle columns the trace ended on.
  for (auto& row : rows)
    if (row.first == INT64_MAX) row = {end - 1, width - (end - 1)};
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
// crossing at the first whole column at or right of the edge. Alternate filling: every
// crossing opens or closes a span; winding filling: a span is open while the edges crossed
// so far, counted +1 going down and -1 going up, do not sum to 0.
RegionBands RegionBands::FromPolygon(const std::vector<ShapePoint>& points, PolyFill fill) {
  return fill == PolyFill::Winding ? BuildPolygon<PolyFill::Winding>(points)
                                   : BuildPolygon<PolyFill::Alternate>(points);
}

template <PolyFill kFill>
RegionBands RegionBands::BuildPolygon(const std::vector<ShapePoint>& points) {
  // An edge as the rows see it, kept small and by value so that a row's pass over its edges
  // runs through contiguous memory. Its crossing on the current row is x, the first whole
  // column at or right of the edge, with x * dy - behind being the exact crossing times dy;
  // from row to row x grows by stepX and behind shrinks by stepBehind (wrapping into x).
  struct Crossing {
    int64_t x;
    int64_t stepX;
    uint32_t behind;
    uint32_t stepBehind;
    uint32_t dy;
    int32_t y1;  // the first row it no longer crosses
  };
  // Winding filling counts each edge by its direction; alternate filling keeps its edges
  // smaller, for the speed of large polygons.
  struct Counted : Crossing {
    int32_t direction;  // +1 where the polygon goes down along it, -1 where it goes up
  };
  using Edge = std::conditional_t<kFill == PolyFill::Winding, Counted, Crossing>;
  struct Start {
    int32_t y0;  // the first row it crosses
    Edge edge;
  };
  std::vector<Start> starts;
  starts.reserve(points.size());
  int64_t crossings = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    ShapePoint a = points[i];
    ShapePoint b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    [[maybe_unused]] const int32_t direction = a.y < b.y ? 1 : -1;
    if (a.y > b.y) std::swap(a, b);
    const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
    int64_t stepX = dx / dy, stepBehind = dx % dy;
    if (stepBehind < 0) {
      --stepX;
      stepBehind += dy;
    }
    Edge edge{};
    edge.x = a.x;
    edge.stepX = stepX;
    edge.stepBehind = static_cast<uint32_t>(stepBehind);
    edge.dy = static_cast<uint32_t>(dy);
    edge.y1 = b.y;
    if constexpr (kFill == PolyFill::Winding) edge.direction = direction;
    starts.push_back({a.y, edge});
    // Each edge crosses every row it spans once: the crossings are known before any is made.
    crossings += dy;
  }
  RegionBands bands;
  if (starts.empty()) return bands;
  if (crossings > kMostSpanEnds)
    throw Exception("The polygon is too complex for a region (" + std::to_string(crossings) +
                    " edge crossings, at most " + std::to_string(kMostSpanEnds) + ")");
  std::sort(starts.begin(), starts.end(), [](const Start& l, const Start& r) {
    return l.y0 != r.y0 ? l.y0 < r.y0 : l.edge.x < r.edge.x;
  });
  // One pass a row over its edges, sorted by crossing: their crossings pair up into spans,
  // and each edge that goes on is stepped to the next row and put in order there (an edge
  // moves back only past the few it crossed), with the edges that begin on that row merged
  // in at their place.
  std::vector<Edge> active, stepped;
  std::vector<int32_t> ends;
  // Both hold room for a row's edges; the first activeCount of active are the row's, the
  // first count of stepped those of the next row so far. (They are not resized from row to
  // row: that would clear the room again each time.)
  size_t activeCount = 0, count = 0;
  size_t next = 0;  // the first edge of starts not taken in yet
  const auto place = [&](const Edge& e) {
    size_t at = count++;
    for (; at > 0 && stepped[at - 1].x > e.x; --at) stepped[at] = stepped[at - 1];
    stepped[at] = e;
  };
  // The crossing of the next edge to take in on row y; none: the largest.
  const auto nextStart = [&](int64_t y) {
    return next < starts.size() && starts[next].y0 == y ? starts[next].edge.x : INT64_MAX;
  };
  // Takes in the edges that begin on row y and cross it at or left of x.
  const auto takeStarts = [&](int64_t y, int64_t x) {
    for (; next < starts.size() && starts[next].y0 == y && starts[next].edge.x <= x; ++next)
      place(starts[next].edge);
    return nextStart(y);
  };
  const auto beginRow = [&](int64_t y) {
    size_t beginning = 0;
    while (next + beginning < starts.size() && starts[next + beginning].y0 == y) ++beginning;
    if (stepped.size() < activeCount + beginning) stepped.resize(activeCount + beginning);
    count = 0;
  };
  int64_t y = starts[0].y0;
  beginRow(y);
  takeStarts(y, INT64_MAX);
  for (;;) {
    std::swap(active, stepped);
    activeCount = count;
    if (activeCount == 0) {
      // Rows without edges are passed over to the next edge's first row.
      if (next == starts.size()) break;
      y = starts[next].y0;
      beginRow(y);
      takeStarts(y, INT64_MAX);
      continue;
    }
    beginRow(y + 1);
    int64_t startX = nextStart(y + 1);
    const auto advance = [&](Edge e) {
      if (e.y1 <= y + 1) return;
      // Without a branch: whether the remainder wraps is as good as random from edge to edge.
      const uint32_t wraps = e.behind < e.stepBehind ? 1 : 0;
      e.x += e.stepX + wraps;
      e.behind = e.behind - e.stepBehind + wraps * e.dy;  // within [0, dy), modulo 2^32
      if (startX <= e.x) startX = takeStarts(y + 1, e.x);
      place(e);
    };
    ends.clear();
    // Spans that touch join, as they do in a GDI region.
    const auto addSpan = [&](int64_t from, int64_t to) {
      if (from == to) return;
      if (!ends.empty() && ends.back() == Wrap(from)) {
        ends.back() = Wrap(to);
      } else {
        ends.push_back(Wrap(from));
        ends.push_back(Wrap(to));
      }
    };
    if constexpr (kFill == PolyFill::Alternate) {
      // The crossings in pairs (the hot loop of a large polygon, kept free of counting).
      size_t i = 0;
      for (; i + 1 < activeCount; i += 2) {
        addSpan(active[i].x, active[i + 1].x);
        advance(active[i]);
        advance(active[i + 1]);
      }
      if (i < activeCount) advance(active[i]);
    } else {
      int32_t winding = 0;
      int64_t open = 0;
      for (size_t i = 0; i < activeCount; ++i) {
        const Edge& e = active[i];
        const int32_t before = winding;
        winding += e.direction;
        if (before == 0) open = e.x;
        if (winding == 0) addSpan(open, e.x);
        advance(e);
      }
    }
    takeStarts(y + 1, INT64_MAX);
    bands.AddBand(Wrap(y), Wrap(y + 1), ends);
    ++y;
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

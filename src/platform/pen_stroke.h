// The pixels a solid GDI pen covers along a closed outline. Width 1: each step from one
// point to the next takes the pixel nearest the line on every column (or row, for a steep
// step) from its start up to, not including, its end, a tie going to the smaller
// coordinate. Wider: each step covers a band of the pen's width centred on it, and each
// point a round dot of the pen's width.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/region_shape.h"

namespace cd::os {

// Calls cover(r) with rectangles that together make the pen's pixels within clip (they may
// overlap each other).
void StrokeOutline(const std::vector<ShapePoint>& outline, int32_t width, const ShapeRect& clip,
                   const std::function<void(const ShapeRect&)>& cover);

// How far the shorter side of a thin step has moved on step i of n (0 <= i < n, n below
// 2^33) when it moves by d in all (|d| <= n): i * d / n rounded to the nearest whole pixel,
// halves down, that is ceil((2 i d - n) / (2 n)), exact for every such value.
int64_t ThinStepOffset(int64_t i, int64_t d, int64_t n);

}  // namespace cd::os

// The raster canvas's outlined shapes against GDI's own Rectangle, Ellipse, RoundRect and
// Polygon (WINDING) on a DIB: random shapes of every kind, with pens of 1, 2, 3 and 5 and the
// brush solid or clear, every pixel of the canvas compared; every shape compared must agree
// to the pixel. The shapes Wine cannot draw soundly are left out, counted and printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include "platform/canvas.h"
#include "platform/raster_canvas.h"

namespace cd::os {
namespace {

constexpr int kShapes = 500;
constexpr int32_t kSide = 48;

ShapeRect RandomRect(std::mt19937& rng) {
  std::uniform_int_distribution<int> coordinate(3, kSide - 4);
  return {coordinate(rng), coordinate(rng), coordinate(rng), coordinate(rng)};
}

// Wine fills the inside of an ellipse (or rounded corner) much taller than it is wide from
// points it never sets, and paints whatever they held, anywhere on the canvas. Such shapes
// are left out and counted.
bool WineFillsFromUnsetPoints(const ShapeRect& r, int64_t width, int64_t height) {
  const int64_t w = std::min<int64_t>(std::abs(int64_t{r.right} - r.left) - 1, std::abs(width));
  const int64_t h = std::min<int64_t>(std::abs(int64_t{r.bottom} - r.top) - 1, std::abs(height));
  return w >= 2 && h >= 2 && 3 * h > w * w;
}

struct Shape {
  std::function<void(Canvas&)> draw;
  bool comparable = true;
};

struct Kind {
  const char* name;
  std::function<Shape(std::mt19937&)> make;
};

const Kind kKinds[] = {
    {"rectangle",
     [](std::mt19937& rng) {
       const ShapeRect r = RandomRect(rng);
       return Shape{[r](Canvas& c) { c.Rectangle(r); }};
     }},
    {"ellipse",
     [](std::mt19937& rng) {
       const ShapeRect r = RandomRect(rng);
       return Shape{[r](Canvas& c) { c.Ellipse(r); },
                    !WineFillsFromUnsetPoints(r, r.right - r.left, r.bottom - r.top)};
     }},
    {"rounded rectangle",
     [](std::mt19937& rng) {
       const ShapeRect r = RandomRect(rng);
       std::uniform_int_distribution<int> side(-4, kSide);
       const int w = side(rng), h = side(rng);
       return Shape{[=](Canvas& c) { c.RoundRect(r, w, h); }, !WineFillsFromUnsetPoints(r, w, h)};
     }},
    {"polygon",
     [](std::mt19937& rng) {
       std::uniform_int_distribution<int> count(3, 8), coordinate(3, kSide - 4);
       std::vector<ShapePoint> points(static_cast<size_t>(count(rng)));
       for (ShapePoint& p : points) p = {coordinate(rng), coordinate(rng)};
       return Shape{[points](Canvas& c) { c.Polygon(points); }};
     }},
};

TEST(Drawing, OutlinedShapesAgreeWithGdiPixelForPixel) {
  for (const Kind& kind : kKinds)
    for (const int32_t pen : {1, 2, 3, 5})
      for (const bool clear : {false, true}) {
        int compared = 0, shapesOff = 0, pixelsOff = 0;
        for (unsigned seed = 0; seed < kShapes; ++seed) {
          std::mt19937 rng(seed);
          const Shape shape = kind.make(rng);
          if (!shape.comparable) continue;
          ++compared;
          const auto gdi = Canvas::Create(kSide, kSide);
          RasterCanvas raster(kSide, kSide);
          for (Canvas* canvas : {gdi.get(), static_cast<Canvas*>(&raster)}) {
            canvas->SetPenColour({255, 0, 0});
            canvas->SetPenWidth(pen);
            canvas->SetBrushColour({0, 0, 255});
            canvas->SetBrushClear(clear);
            shape.draw(*canvas);
          }
          int off = 0;
          for (int32_t y = 0; y < kSide; ++y)
            for (int32_t x = 0; x < kSide; ++x)
              if (!(gdi->Pixel(x, y) == raster.Pixel(x, y))) ++off;
          if (off > 0) {
            ++shapesOff;
            pixelsOff += off;
          }
        }
        const std::string what = std::string(kind.name) + ", pen " + std::to_string(pen) +
                                 (clear ? ", clear brush: " : ", solid brush: ") +
                                 std::to_string(shapesOff) + " of " + std::to_string(compared) +
                                 " shapes differ in " + std::to_string(pixelsOff) + " pixels (" +
                                 std::to_string(kShapes - compared) + " left out)";
        EXPECT_EQ(shapesOff, 0) << what;
        std::printf("%s\n", what.c_str());
        EXPECT_GT(compared, kShapes * 3 / 4) << kind.name;
      }
}

}  // namespace
}  // namespace cd::os

// The portable region bands against real GDI regions: thousands of random shapes of every
// kind, with empty, one- and two-pixel boxes, swapped corners and corner ellipses far larger
// than their boxes among them, every pixel of their bounding boxes and a margin around them.
// And the raster canvas's frames against FrameRgn on a GDI bitmap, with pens of 1 and 3.
#include "platform/region_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>

#include "platform/canvas.h"
#include "platform/raster_canvas.h"
#include "platform/region_bands.h"

namespace cd::os {
namespace {

constexpr int kShapes = 3000;
constexpr int kMargin = 4;
constexpr int kLargest = 40;

// The pixels around [0, kLargest]^2 where the two shapes disagree.
int Differences(const RegionShape& gdi, const RegionShape& bands) {
  int differences = 0;
  for (int y = -kMargin; y <= kLargest + kMargin; ++y)
    for (int x = -kMargin; x <= kLargest + kMargin; ++x)
      if (gdi.Contains(x, y) != bands.Contains(x, y)) ++differences;
  return differences;
}

ShapeRect RandomRect(std::mt19937& rng) {
  std::uniform_int_distribution<int> coordinate(0, kLargest);
  return {coordinate(rng), coordinate(rng), coordinate(rng), coordinate(rng)};
}

// A corner ellipse's side: mostly within the box, sometimes far past it or negative.
int RandomSide(std::mt19937& rng) {
  switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
    case 0:
      return std::uniform_int_distribution<int>(-6, 3)(rng);
    case 1:
      return std::uniform_int_distribution<int>(100, 1 << 30)(rng);
    default:
      return std::uniform_int_distribution<int>(0, kLargest + 4)(rng);
  }
}

// Wine builds a region's corners from a trace that, for a corner ellipse much taller than
// it is wide, stops before the tips and leaves their rows unwritten (their spans are
// whatever the memory held). Shapes with such corners are left out; every other shape must
// agree to the pixel.
bool WineLeavesTipsUnset(const ShapeRect& r, int64_t width, int64_t height) {
  const int64_t w = std::min<int64_t>(std::abs(int64_t{r.right} - r.left) - 1, std::abs(width));
  const int64_t h = std::min<int64_t>(std::abs(int64_t{r.bottom} - r.top) - 1, std::abs(height));
  return w >= 2 && h >= 2 && 3 * h > w * w;
}

struct Shape {
  std::unique_ptr<RegionShape> gdi;
  std::unique_ptr<RegionShape> bands;
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
       return Shape{RegionShape::Rectangle(r),
                    std::make_unique<RegionBands>(RegionBands::FromRect(r))};
     }},
    {"polygon",
     [](std::mt19937& rng) {
       std::uniform_int_distribution<int> count(3, 9), coordinate(0, kLargest);
       std::vector<ShapePoint> points(static_cast<size_t>(count(rng)));
       for (ShapePoint& p : points) p = {coordinate(rng), coordinate(rng)};
       return Shape{RegionShape::Polygon(points),
                    std::make_unique<RegionBands>(RegionBands::FromPolygon(points))};
     }},
    {"ellipse",
     [](std::mt19937& rng) {
       const ShapeRect r = RandomRect(rng);
       return Shape{RegionShape::Ellipse(r),
                    std::make_unique<RegionBands>(RegionBands::FromEllipse(r)),
                    !WineLeavesTipsUnset(r, r.right - r.left, r.bottom - r.top)};
     }},
    {"rounded rectangle",
     [](std::mt19937& rng) {
       const ShapeRect r = RandomRect(rng);
       const int width = RandomSide(rng), height = RandomSide(rng);
       return Shape{RegionShape::RoundRect(r, width, height),
                    std::make_unique<RegionBands>(RegionBands::FromRoundRect(r, width, height)),
                    !WineLeavesTipsUnset(r, width, height)};
     }},
};

TEST(RegionShape, EveryKindAgreesWithGdiPixelForPixel) {
  for (const Kind& kind : kKinds) {
    int compared = 0, shapesOff = 0, pixelsOff = 0;
    for (unsigned seed = 0; seed < kShapes; ++seed) {
      std::mt19937 rng(seed);
      const Shape shape = kind.make(rng);
      if (!shape.comparable) continue;
      ++compared;
      if (const int off = Differences(*shape.gdi, *shape.bands); off > 0) {
        ++shapesOff;
        pixelsOff += off;
      }
    }
    EXPECT_EQ(shapesOff, 0) << kind.name << ": " << shapesOff << " of " << compared
                            << " shapes differ in " << pixelsOff << " pixels";
    EXPECT_GT(compared, kShapes * 3 / 4) << kind.name;
  }
}

TEST(RegionShape, RasterFramesAgreeWithGdiPixelForPixel) {
  constexpr int kSide = kLargest + 2;
  for (const Kind& kind : kKinds)
    for (const int32_t pen : {1, 3}) {
      int shapesOff = 0;
      for (unsigned seed = 0; seed < kShapes / 4; ++seed) {
        std::mt19937 rng(seed);
        const Shape shape = kind.make(rng);
        if (!shape.comparable) continue;
        const auto gdi = Canvas::Create(kSide, kSide);
        RasterCanvas raster(kSide, kSide);
        for (Canvas* canvas : {gdi.get(), static_cast<Canvas*>(&raster)}) {
          canvas->SetBrushColour({0, 0, 255});
          canvas->SetPenWidth(pen);
          canvas->FrameShape(*shape.gdi);
        }
        bool same = true;
        for (int32_t y = 0; y < kSide && same; ++y)
          for (int32_t x = 0; x < kSide && same; ++x) same = gdi->Pixel(x, y) == raster.Pixel(x, y);
        if (!same) ++shapesOff;
      }
      EXPECT_EQ(shapesOff, 0) << kind.name << " framed by " << pen;
    }
}

}  // namespace
}  // namespace cd::os

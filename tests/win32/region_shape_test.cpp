// The portable region bands against real GDI regions: a thousand random rectangles and
// polygons, every pixel of their bounding boxes and a margin around them. (Ellipses and
// rounded rectangles follow the outline rasterizer GDI's corners are close to, not yet
// pixel for pixel: they are left out here until they agree.)
#include "platform/region_shape.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "platform/region_bands.h"

namespace cd::os {
namespace {

// The pixels of [-margin, size + margin)^2 where the two shapes disagree.
int Differences(const RegionShape& gdi, const RegionShape& bands, int size) {
  int differences = 0;
  for (int y = -4; y < size + 4; ++y)
    for (int x = -4; x < size + 4; ++x)
      if (gdi.Contains(x, y) != bands.Contains(x, y)) ++differences;
  return differences;
}

struct Kind {
  const char* name;
  std::function<std::unique_ptr<RegionShape>(std::mt19937&, bool gdi)> make;
};

ShapeRect RandomRect(std::mt19937& rng) {
  std::uniform_int_distribution<int> coordinate(0, 40);
  return {coordinate(rng), coordinate(rng), coordinate(rng), coordinate(rng)};
}

TEST(RegionShape, RectanglesAndPolygonsAgreeWithGdiPixelForPixel) {
  const Kind kinds[] = {
      {"rectangle",
       [](std::mt19937& rng, bool gdi) -> std::unique_ptr<RegionShape> {
         const ShapeRect r = RandomRect(rng);
         if (gdi) return RegionShape::Rectangle(r);
         return std::make_unique<RegionBands>(RegionBands::FromRect(r));
       }},
      {"polygon",
       [](std::mt19937& rng, bool gdi) -> std::unique_ptr<RegionShape> {
         std::uniform_int_distribution<int> count(3, 9), coordinate(0, 40);
         std::vector<ShapePoint> points(static_cast<size_t>(count(rng)));
         for (ShapePoint& p : points) p = {coordinate(rng), coordinate(rng)};
         if (gdi) return RegionShape::Polygon(points);
         return std::make_unique<RegionBands>(RegionBands::FromPolygon(points));
       }},
  };
  for (const Kind& kind : kinds) {
    int shapesOff = 0, pixelsOff = 0;
    for (unsigned seed = 0; seed < 1000; ++seed) {
      std::mt19937 a(seed), b(seed);
      const auto gdi = kind.make(a, true);
      const auto bands = kind.make(b, false);
      const int off = Differences(*gdi, *bands, 41);
      if (off > 0) {
        ++shapesOff;
        pixelsOff += off;
      }
    }
    EXPECT_EQ(shapesOff, 0) << kind.name << ": " << shapesOff << " of 1000 shapes differ in "
                            << pixelsOff << " pixels";
  }
}

}  // namespace
}  // namespace cd::os

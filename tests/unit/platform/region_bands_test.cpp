// Region bands: the covers GDI gives for a few shapes (as read back from GDI itself), the point
// test at band and span edges, moving, and the bound on a polygon's size.
#include "platform/region_bands.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"

namespace cd::os {
namespace {

using Rects = std::vector<ShapeRect>;

TEST(RegionBands, CoversAsGdiMakesThem) {
  const struct {
    const char* shape;
    RegionBands bands;
    Rects expected;
  } cases[] = {
      {"reversed rectangle", RegionBands::FromRect({5, 5, 0, 0}), {{0, 0, 5, 5}}},
      {"empty rectangle", RegionBands::FromRect({3, 1, 3, 9}), {}},
      {"ellipse 10 x 7",
       RegionBands::FromEllipse({0, 0, 10, 7}),
       {{2, 0, 7, 1}, {1, 1, 8, 2}, {0, 2, 9, 4}, {1, 4, 8, 5}, {2, 5, 7, 6}}},
      {"ellipse 5 x 5",
       RegionBands::FromEllipse({0, 0, 5, 5}),
       {{1, 0, 3, 1}, {0, 1, 4, 3}, {1, 3, 3, 4}}},
      {"ellipse 10 x 10",
       RegionBands::FromEllipse({0, 0, 10, 10}),
       {{3, 0, 6, 1}, {1, 1, 8, 3}, {0, 3, 9, 6}, {1, 6, 8, 8}, {3, 8, 6, 9}}},
      {"ellipse 1 x 1", RegionBands::FromEllipse({0, 0, 1, 1}), {}},
      {"ellipse 0 x 4, one column left of it",
       RegionBands::FromEllipse({0, 0, 0, 4}),
       {{-1, 0, 0, 3}}},
      {"ellipse 5 x 12 whose tips are its middle columns",
       RegionBands::FromEllipse({0, 0, 5, 12}),
       {{1, 0, 3, 2}, {0, 2, 4, 9}, {1, 9, 3, 11}}},
      {"rounded 20 x 10 by 6 x 4",
       RegionBands::FromRoundRect({0, 0, 20, 10}, 6, 4),
       {{1, 0, 18, 1}, {0, 1, 19, 8}, {1, 8, 18, 9}}},
      {"rounded by less than 2", RegionBands::FromRoundRect({0, 0, 20, 10}, 1, 1), {{0, 0, 19, 9}}},
      {"triangle",
       RegionBands::FromPolygon({{0, 0}, {10, 3}, {4, 9}}),
       {{1, 1, 4, 2},
        {1, 2, 7, 3},
        {2, 3, 10, 4},
        {2, 4, 9, 5},
        {3, 5, 8, 6},
        {3, 6, 7, 7},
        {4, 7, 6, 8},
        {4, 8, 5, 9}}},
      {"polygon without area", RegionBands::FromPolygon({{0, 0}, {10, 0}}), {}},
      {"a loop that goes round twice, filled alternately: its middle is left out",
       RegionBands::FromPolygon({{0, 0}, {6, 0}, {6, 4}, {2, 4}, {2, 2}, {4, 2}, {4, 6}, {0, 6}}),
       {{0, 0, 6, 2}, {0, 2, 2, 4}, {4, 2, 6, 4}, {0, 4, 4, 6}}},
      {"the same loop filled by winding: its middle is in",
       RegionBands::FromPolygon({{0, 0}, {6, 0}, {6, 4}, {2, 4}, {2, 2}, {4, 2}, {4, 6}, {0, 6}},
                                PolyFill::Winding),
       {{0, 0, 6, 4}, {0, 4, 4, 6}}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.bands.Rects(), c.expected) << c.shape;
}

TEST(RegionBands, PointsOnTheEdgesAndMoving) {
  RegionBands bands = RegionBands::FromPolygon(
      {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {6, 3}, {6, 6}, {3, 6}, {3, 3}});
  EXPECT_TRUE(bands.Contains(0, 0));
  EXPECT_FALSE(bands.Contains(10, 5));
  EXPECT_FALSE(bands.Contains(5, 10));
  EXPECT_FALSE(bands.Contains(4, 4)) << "the inner square is a hole in alternate filling";
  EXPECT_TRUE(bands.Contains(6, 4));
  bands.Offset(100, -50);
  EXPECT_EQ(bands.Box(), (ShapeRect{100, -50, 110, -40}));
  EXPECT_TRUE(bands.Contains(100, -50));
  EXPECT_FALSE(bands.Contains(0, 0));
}

TEST(RegionBands, APolygonTooComplexForARegionFails) {
  std::vector<ShapePoint> zigzag;
  for (int i = 0; i < 2000; ++i) zigzag.push_back({i % 2 == 0 ? 0 : 1000, i});
  zigzag.push_back({0, 2000});
  EXPECT_NO_THROW(RegionBands::FromPolygon(zigzag));
  for (auto& p : zigzag) p.y = p.y % 2 == 0 ? 0 : 30000;
  EXPECT_THROW(RegionBands::FromPolygon(zigzag), Exception);
  EXPECT_THROW(RegionBands::FromRoundRect({0, 0, 200000, 10}, 100000, 5), Exception);
  EXPECT_THROW(RegionBands::FromEllipse({-100000, 0, 100000, 10}), Exception);
  EXPECT_EQ(RegionBands::FromEllipse({INT32_MIN, 0, INT32_MAX, 10}).Box(),
            (ShapeRect{INT32_MIN, 0, INT32_MAX - 1, 9}))
      << "a width past 32 bits wraps, to a corner too small to round";
}

}  // namespace
}  // namespace cd::os

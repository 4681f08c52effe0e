// Canvases: the outlined shapes with thin and wide pens and a solid or clear brush, fills and
// frames of pen width 1 and 3 as pixel maps, shapes reaching past the canvas's edges, the size
// limits and the PNG file. (Natively the raster canvas, under Windows
// a GDI bitmap: the same expectations hold for both.)
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/pen_stroke.h"
#include "support/temp_dir.h"

namespace cd::os {
namespace {

constexpr CanvasColour kRed{255, 0, 0};
constexpr CanvasColour kBlue{0, 0, 255};

// The canvas as rows of '#' (red), 'o' (blue) and '.' (white); '?' for any other colour.
std::string Map(const Canvas& canvas) {
  std::string map;
  for (int32_t y = 0; y < canvas.Height(); ++y) {
    for (int32_t x = 0; x < canvas.Width(); ++x) {
      const CanvasColour c = canvas.Pixel(x, y);
      map += c == kRed ? '#' : c == kBlue ? 'o' : c == CanvasColour{255, 255, 255} ? '.' : '?';
    }
    map += '\n';
  }
  return map;
}

std::string Drawn(const RegionShape& shape, bool frame, int32_t pen, int32_t size = 8) {
  const auto canvas = Canvas::Create(size, size);
  canvas->SetBrushColour(kRed);
  canvas->SetPenWidth(pen);
  if (frame)
    canvas->FrameShape(shape);
  else
    canvas->FillShape(shape);
  return Map(*canvas);
}

TEST(Canvas, FillsAndFramesWithThePenWidth) {
  const auto rect = RegionShape::Rectangle({1, 1, 7, 6});
  const auto cross = RegionShape::Polygon({{2, 0},
                                           {4, 0},
                                           {4, 2},
                                           {6, 2},
                                           {6, 4},
                                           {4, 4},
                                           {4, 6},
                                           {2, 6},
                                           {2, 4},
                                           {0, 4},
                                           {0, 2},
                                           {2, 2}});
  const auto offCanvas = RegionShape::Rectangle({-10, 2, 5, 20});
  const struct {
    const char* what;
    std::string drawn;
    std::string expected;
  } cases[] = {
      {"filled rectangle", Drawn(*rect, false, 1),
       "........\n.######.\n.######.\n.######.\n.######.\n.######.\n........\n........\n"},
      {"rectangle framed by 1", Drawn(*rect, true, 1),
       "........\n.######.\n.#....#.\n.#....#.\n.#....#.\n.######.\n........\n........\n"},
      {"rectangle framed by 3: what is left inside is only what lies 3 away from the outside",
       Drawn(*rect, true, 3),
       "........\n.######.\n.######.\n.######.\n.######.\n.######.\n........\n........\n"},
      {"cross framed by 1: its middle, a pixel away from any outside, stays clear",
       Drawn(*cross, true, 1),
       "..##....\n..##....\n##..##..\n##..##..\n..##....\n..##....\n........\n........\n"},
      {"a pen width below 1 draws as 1", Drawn(*rect, true, 0), Drawn(*rect, true, 1)},
      {"framed past the canvas: no edge where the shape goes on", Drawn(*offCanvas, true, 1),
       "........\n........\n#####...\n....#...\n....#...\n....#...\n....#...\n....#...\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.drawn, c.expected) << c.what;
  EXPECT_EQ(Drawn(*RegionShape::Rectangle({2, 2, 12, 12}), true, 3, 16).substr(17 * 5, 17),
            "..###....###....\n")
      << "a pen width of 3 leaves a ring three pixels wide";
}

// The pictures are GDI's own, read back from a DIB: a red pen, a blue brush.
TEST(Canvas, DrawsOutlinedShapesAsGdiDoes) {
  const auto drawn = [](int32_t width, int32_t height, int32_t pen, bool clear,
                        const std::function<void(Canvas&)>& draw) {
    const auto canvas = Canvas::Create(width, height);
    canvas->SetPenColour(kRed);
    canvas->SetPenWidth(pen);
    canvas->SetBrushColour(kBlue);
    canvas->SetBrushClear(clear);
    draw(*canvas);
    return Map(*canvas);
  };
  const struct {
    const char* what;
    std::string drawn;
    std::string expected;
  } cases[] = {
      {"rectangle: the pen on its left and top edges and inside its right and bottom ones",
       drawn(10, 6, 1, false,
             [](Canvas& c) {
               c.Rectangle({8, 5, 1, 1});
             }),
       "..........\n.#######..\n.#ooooo#..\n.#ooooo#..\n.#######..\n..........\n"},
      {"rectangle with a clear brush",
       drawn(6, 4, 1, true,
             [](Canvas& c) {
               c.Rectangle({1, 0, 5, 4});
             }),
       ".####.\n.#..#.\n.#..#.\n.####.\n"},
      {"rectangle without width draws nothing",
       drawn(4, 4, 1, false,
             [](Canvas& c) {
               c.Rectangle({1, 1, 1, 4});
             }),
       "....\n....\n....\n....\n"},
      {"rectangle with a pen of 3: centred on the outline, round at the corners",
       drawn(12, 10, 3, false,
             [](Canvas& c) {
               c.Rectangle({2, 2, 9, 8});
             }),
       "............\n..#######...\n.#########..\n.#########..\n.###ooo###..\n"
       ".###ooo###..\n.#########..\n.#########..\n..#######...\n............\n"},
      {"ellipse",
       drawn(14, 10, 1, false,
             [](Canvas& c) {
               c.Ellipse({1, 1, 12, 9});
             }),
       "..............\n....#####.....\n...#ooooo#....\n..#ooooooo#...\n.#ooooooooo#..\n"
       ".#ooooooooo#..\n..#ooooooo#...\n...#ooooo#....\n....#####.....\n..............\n"},
      {"rounded rectangle",
       drawn(14, 10, 1, false,
             [](Canvas& c) {
               c.RoundRect({1, 1, 12, 9}, 6, 4);
             }),
       "..............\n..#########...\n.#ooooooooo#..\n.#ooooooooo#..\n.#ooooooooo#..\n"
       ".#ooooooooo#..\n.#ooooooooo#..\n.#ooooooooo#..\n..#########...\n..............\n"},
      {"polygon: each step's pixels nearest the line, halves to the smaller coordinate",
       drawn(14, 12, 1, false,
             [](Canvas& c) {
               c.Polygon({{1, 1}, {12, 4}, {5, 10}});
             }),
       "..............\n.##...........\n.#o####.......\n..#oooo####...\n..#oooooooo##.\n"
       "...#ooooooo#..\n...#oooooo#...\n....#ooo##....\n....#oo#......\n.....##.......\n"
       ".....#........\n..............\n"},
      {"polygon with a pen of 3 and a clear brush: slanting sides as wide as level ones",
       drawn(21, 13, 3, true,
             [](Canvas& c) {
               c.Polygon({{3, 3}, {18, 10}, {3, 10}});
             }),
       ".....................\n.....................\n...####..............\n"
       "..#######............\n..#########..........\n..###########........\n"
       "..###..########......\n..###....########....\n..###......########..\n"
       "..#################..\n..##################.\n...################..\n"
       ".....................\n"},
      {"polygon filled by winding: a loop that goes round twice is filled",
       drawn(8, 7, 1, false,
             [](Canvas& c) {
               c.Polygon({{0, 0}, {6, 0}, {6, 4}, {2, 4}, {2, 2}, {4, 2}, {4, 6}, {0, 6}});
             }),
       "#######.\n#ooooo#.\n#o###o#.\n#o#o#o#.\n#o#####.\n#ooo#...\n#####...\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.drawn, c.expected) << c.what;
}

// The thin pen's rounding, halves down, exact up to the largest steps 32-bit points give.
TEST(Canvas, ThinStepOffsetsAreExactForTheLongestSteps) {
  constexpr int64_t n = (int64_t{1} << 32) - 1;
  const struct {
    int64_t i, d, n, offset;
  } cases[] = {
      {1, 1, 2, 0},         {1, -1, 2, -1},           {1, 1, 3, 0},          {2, 1, 3, 1},
      {0, 5, 7, 0},         {n - 1, n, n, n - 1},     {n - 1, -n, n, 1 - n}, {n / 2, 1, n, 0},
      {n / 2 + 1, 1, n, 1}, {n - 1, n - 1, n, n - 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ThinStepOffset(c.i, c.d, c.n), c.offset) << c.i << " " << c.d << " " << c.n;
}

TEST(Canvas, AClearBrushNeitherFillsNorFrames) {
  const auto canvas = Canvas::Create(4, 4);
  canvas->SetBrushColour(kRed);
  canvas->SetBrushClear(true);
  canvas->FillShape(*RegionShape::Rectangle({0, 0, 4, 4}));
  canvas->FrameShape(*RegionShape::Rectangle({0, 0, 4, 4}));
  EXPECT_EQ(Map(*canvas), "....\n....\n....\n....\n");
}

TEST(Canvas, SizeLimitsAndThePngFile) {
  EXPECT_THROW(Canvas::Create(0, 10), Exception);
  EXPECT_THROW(Canvas::Create(10, Canvas::kLargestSide + 1), Exception);
  test::TempDir dir;
  const auto canvas = Canvas::Create(3, 2);
  canvas->SetBrushColour(kRed);
  canvas->FillShape(*RegionShape::Rectangle({0, 0, 1, 1}));
  const std::string file = dir.File("c.png");
  canvas->SavePng(file);
  const std::string png = ReadWholeFile(file);
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 12), std::string("IHDR\0\0\0\3\0\0\0\2", 12)) << "width 3, height 2";
  EXPECT_THROW(canvas->SavePng(dir.File("no such folder/c.png")), Exception);
}

}  // namespace
}  // namespace cd::os

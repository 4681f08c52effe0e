// Canvases: fills and frames of pen width 1 and 3 as pixel maps, shapes reaching past the
// canvas's edges, the size limits and the PNG file. (Natively the raster canvas, under Windows
// a GDI bitmap: the same expectations hold for both.)
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace cd::os {
namespace {

constexpr CanvasColour kRed{255, 0, 0};

// The canvas as rows of '#' (red) and '.' (white); '?' for any other colour.
std::string Map(const Canvas& canvas) {
  std::string map;
  for (int32_t y = 0; y < canvas.Height(); ++y) {
    for (int32_t x = 0; x < canvas.Width(); ++x) {
      const CanvasColour c = canvas.Pixel(x, y);
      map += c == kRed ? '#' : c == CanvasColour{255, 255, 255} ? '.' : '?';
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

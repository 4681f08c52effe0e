// Region pools: the region file (every record kind, sign widening, counts below 1, the
// unknown type, files cut short), the stored form with every shape, the region type rules,
// moving to Position, painting and framing there, lookups by name, and the failures of handles
// and data objects.
#include "regions/region_pool.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "platform/canvas.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "regions/circle_region.h"
#include "regions/poly_region.h"
#include "regions/region_classes.h"
#include "regions/rounded_rect_region.h"
#include "streams/memory_stream.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "unit/regions/region_file.h"

namespace cd {
namespace {

using test::RegionFile;

// Three regions: a rectangle whose Left is stored as FF FF, a circle, a triangle.
std::string ThreeRegions() {
  RegionFile file(3, "Map");
  file.Record(0, 1, 2, {0xFFFF, 10, 30, 20}, "Door", "");
  file.Record(1, -1, 0, {0, 0, 10, 7}, "Lamp").Raw("123456");
  file.Record(2, 0, 5, {0, 0, 10, 9}, "Roof").U16(3);
  for (uint16_t v : {0, 0, 10, 3, 4, 9}) file.U16(v);
  return file.Bytes();
}

void Load(TRegionPool& pool, const std::string& bytes) {
  TMemoryStream stream(bytes);
  pool.LoadFromStream(stream);
}

TEST(RegionPool, ReadsEveryKindOfRecordOfARegionFile) {
  TRegionPool pool(nullptr);
  Load(pool, ThreeRegions());
  EXPECT_EQ(pool.PoolName(), "Map");
  ASSERT_EQ(pool.Count(), 3);
  auto* door = dynamic_cast<TRectRegion*>(pool.GetRegion(0));
  ASSERT_TRUE(door && &door->ClassType() == &TRectRegion::StaticClass());
  EXPECT_EQ(door->Rect().Left(), -1);
  EXPECT_EQ(door->Level(), 1);
  EXPECT_EQ(door->TabOrder(), 2);
  EXPECT_EQ(door->Position(), (TRegionPoint{-1, 10}));
  EXPECT_NE(dynamic_cast<TCircleRegion*>(pool.GetRegion(1)), nullptr);
  EXPECT_EQ(static_cast<TRectRegion*>(pool.GetRegion(1))->Level(), -1);
  auto* roof = dynamic_cast<TPolyRegion*>(pool.GetRegion(2));
  ASSERT_NE(roof, nullptr);
  EXPECT_EQ(roof->Points().size(), 3u);
  EXPECT_TRUE(roof->Contains(2, 3));
  EXPECT_FALSE(roof->Contains(9, 8));
  EXPECT_EQ(roof->GetBounds(), (os::ShapeRect{1, 1, 10, 9}));
  EXPECT_EQ(pool.IndexOfName("door"), 0);
  EXPECT_EQ(pool.IndexOfName("window"), -1);
}

TEST(RegionPool, CountsBelowOneAndEmptyPolygonsGiveNothing) {
  for (int16_t count : {0, -5}) {
    TRegionPool pool(nullptr);
    Load(pool, RegionFile(count, "Empty").Bytes());
    EXPECT_EQ(pool.Count(), 0);
    EXPECT_EQ(pool.PoolName(), "Empty");
  }
  TRegionPool pool(nullptr);
  Load(pool, RegionFile(1, "").Record(2, 0, 0, {0, 0, 5, 5}, "None").U16(0).Bytes());
  EXPECT_TRUE(static_cast<TPolyRegion*>(pool.GetRegion(0))->Points().empty());
  EXPECT_FALSE(pool.GetRegion(0)->Contains(1, 1));
}

TEST(RegionPool, AnUnknownTypeKeepsTheRegionsReadSoFar) {
  TRegionPool pool(nullptr);
  const std::string bytes = RegionFile(2, "").Record(0, 0, 0, {0, 0, 1, 1}, "First").U16(3).Bytes();
  EXPECT_EQ(test::MessageOf([&] { Load(pool, bytes); }),
            "TRegionPool.LoadFromStream: Unknown Poly type");
  EXPECT_EQ(pool.Count(), 1);
}

TEST(RegionPool, AFileCutAnywhereFailsWithAReadError) {
  const std::string whole = ThreeRegions();
  for (size_t size = 0; size < whole.size(); ++size) {
    TRegionPool pool(nullptr);
    EXPECT_THROW(Load(pool, whole.substr(0, size)), EReadError) << size;
  }
  std::string hugeName = RegionFile(0, "").Bytes();
  hugeName[37] = '\x7F';
  TRegionPool pool(nullptr);
  EXPECT_THROW(Load(pool, hugeName), EReadError) << "a length past the end allocates nothing";
}

TEST(RegionPool, EveryShapeReadsBackFromObjectText) {
  RegisterRegionClasses();
  TRegionPool pool(nullptr);
  Load(pool, ThreeRegions());
  auto* rounded = static_cast<TRegionObj*>(pool.Regions().Add());
  rounded->SetRegionType(rt_RoundedRectangle);
  static_cast<TRoundedRectRegion*>(rounded->Region())->SetEllipseW(6);
  static_cast<TRegionObj*>(pool.Regions().Add());
  const std::string text = ObjectToString(&pool);
  EXPECT_NE(text.find("RegionType = rt_Polyline"), std::string::npos) << text;
  EXPECT_NE(text.find("Region.Rect.Left = -1"), std::string::npos) << text;
  EXPECT_NE(text.find("Region.Points = {"), std::string::npos) << text;
  EXPECT_NE(text.find("Region.EllipseW = 6"), std::string::npos) << text;
  std::unique_ptr<TComponent> read = StringToObject(text);
  EXPECT_EQ(ObjectToString(read.get()), text);
  auto* copy = static_cast<TRegionPool*>(read.get());
  EXPECT_EQ(static_cast<TPolyRegion*>(copy->GetRegion(2))->Points().size(), 3u);
  EXPECT_EQ(static_cast<TRegionObj*>(copy->Regions().Items(4))->RegionType(), rt_None);
}

TEST(RegionPool, AnotherTypeReplacesTheRegionWithAnEmptyOne) {
  TRegionPool pool(nullptr);
  auto* item = static_cast<TRegionObj*>(pool.Regions().Add());
  EXPECT_EQ(item->RegionType(), rt_None);
  item->SetRegionType(rt_Rectangle);
  item->Region()->SetName("Door");
  item->SetRegionType(rt_Rectangle);
  EXPECT_EQ(item->Region()->Name(), "Door");
  item->SetRegionType(rt_Circle);
  EXPECT_EQ(item->RegionType(), rt_Circle);
  EXPECT_EQ(item->Region()->Name(), "");
  EXPECT_EQ(test::MessageOf([&] { item->SetRegionType(7); }), "TRegionObj.SetRegionTypeEx");
}

TEST(RegionPool, ARegionMovesToItsPositionBeforeItAnswers) {
  TRectRegion door;
  door.Rect().SetBounds(10, 10, 30, 20);
  door.SetPosition({100, 50});
  EXPECT_TRUE(door.Contains(105, 55));
  EXPECT_EQ(door.GetBounds(), (os::ShapeRect{100, 50, 120, 60}));
  EXPECT_FALSE(door.Contains(120, 55));
  TCircleRegion lamp;
  lamp.Rect().SetBounds(0, 0, 10, 7);
  EXPECT_TRUE(lamp.Contains(4, 3));
  EXPECT_TRUE(lamp.HasHandle());
  lamp.SetPosition({20, 0});
  EXPECT_TRUE(lamp.Contains(24, 3)) << "the built shape moves along";
  lamp.Rect().SetRight(40);
  EXPECT_FALSE(lamp.HasHandle()) << "a new rectangle drops the shape";
}

// The canvas as rows of 'r' (red), 'b' (blue) and '.' (anything else).
std::string Map(const os::Canvas& canvas) {
  std::string map;
  for (int32_t y = 0; y < canvas.Height(); ++y)
    for (int32_t x = 0; x < canvas.Width(); ++x) {
      const os::CanvasColour c = canvas.Pixel(x, y);
      map += c == os::CanvasColour{255, 0, 0} ? 'r' : c == os::CanvasColour{0, 0, 255} ? 'b' : '.';
    }
  return map;
}

TEST(RegionPool, ARegionPaintsAndFramesAtItsPosition) {
  TRectRegion door;
  door.Rect().SetBounds(0, 0, 4, 3);
  door.SetPosition({2, 1});
  const auto canvas = os::Canvas::Create(8, 5);
  canvas->SetPenColour({255, 0, 0});
  canvas->SetBrushColour({0, 0, 255});
  door.Paint(*canvas);
  EXPECT_EQ(Map(*canvas), "..........rrrr....rbbr....rrrr..........") << "pen and brush";
  canvas->SetBrushColour({0, 255, 0});
  door.SetPosition({3, 1});
  door.Frame(*canvas);
  EXPECT_EQ(Map(*canvas), "..........rrrrr...rrbrr...rrrrr.........") << "the pen alone";
  EXPECT_FALSE(canvas->BrushClear()) << "the brush is given back";
}

// Each shape draws with its own primitive: the same pixels as the canvas drawing it directly.
TEST(RegionPool, EachShapePaintsAndFramesWithItsOwnDrawing) {
  TCircleRegion circle;
  circle.Rect().SetBounds(1, 1, 12, 9);
  TRoundedRectRegion rounded;
  rounded.Rect().SetBounds(1, 1, 12, 9);
  rounded.SetEllipseW(6);
  rounded.SetEllipseH(4);
  TPolyRegion poly;
  poly.Rect().SetBounds(1, 1, 12, 10);
  poly.SetPoints({{1, 1}, {12, 4}, {5, 10}, {12, 10}, {2, 5}});
  for (TRectRegion* region :
       {static_cast<TRectRegion*>(&circle), static_cast<TRectRegion*>(&rounded),
        static_cast<TRectRegion*>(&poly)})
    region->SetPosition({1, 1});  // where they stand
  const struct {
    TRectRegion& region;
    std::function<void(os::Canvas&)> direct;
  } cases[] = {
      {circle,
       [](os::Canvas& c) {
         c.Ellipse({1, 1, 12, 9});
       }},
      {rounded,
       [](os::Canvas& c) {
         c.RoundRect({1, 1, 12, 9}, 6, 4);
       }},
      {poly,
       [](os::Canvas& c) {
         c.Polygon({{1, 1}, {12, 4}, {5, 10}, {12, 10}, {2, 5}});
       }},
  };
  for (const auto& c : cases)
    for (const bool frame : {false, true}) {
      const auto byRegion = os::Canvas::Create(14, 12), direct = os::Canvas::Create(14, 12);
      for (os::Canvas* canvas : {byRegion.get(), direct.get()}) {
        canvas->SetPenColour({255, 0, 0});
        canvas->SetBrushColour({0, 0, 255});
      }
      direct->SetBrushClear(frame);
      frame ? c.region.Frame(*byRegion) : c.region.Paint(*byRegion);
      c.direct(*direct);
      EXPECT_EQ(Map(*byRegion), Map(*direct))
          << c.region.ClassType().name << (frame ? " framed" : " painted");
    }
}

TEST(RegionPool, HandlesAndDataObjectsAcceptOnlyEmptiness) {
  RegisterRegionClasses();
  TRectRegion region;
  EXPECT_EQ(test::MessageOf([&] {
              region.SetHandle(os::RegionShape::Rectangle({0, 0, 1, 1}));
            }),
            "TPlyRegion.SetHandle: aHandle<>0");
  region.SetData("object Inner: TRegionPool\nend\n");
  EXPECT_EQ(region.DataObjects().size(), 1u);
  TObjectList list;
  EXPECT_EQ(test::MessageOf([&] { region.SetDataObjects(&list); }), "TRectRegion.SetDataObjects");
  region.SetData("");
  EXPECT_TRUE(region.DataObjects().empty());
}

TEST(RegionPool, AMissingFileIsRefusedOnlyWhileDesigning) {
  test::TempDir dir;
  const std::string name =
      os::IncludeTrailingBackslash(os::WindowsPath(dir.Path().string())) + "map.rgn";
  TRegionPool pool(nullptr);
  pool.SetFileName(name);
  EXPECT_EQ(pool.Count(), 0);
  pool.SetDesigning(true);
  EXPECT_EQ(test::MessageOf([&] { pool.SetFileName(name); }), "Region file does not exist " + name);
  os::WriteWholeFile(name, ThreeRegions());
  pool.SetFileName(name);
  EXPECT_EQ(pool.Count(), 3);
}

}  // namespace
}  // namespace cd

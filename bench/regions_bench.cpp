// Regions: a region file of 100,000 regions (rectangles, circles and polygons in turn) read
// from memory; a polygon of 10,000 points built into its shape, and its point test.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>

#include "platform/region_bands.h"
#include "regions/region_pool.h"
#include "streams/memory_stream.h"

namespace {

using namespace cd;

void U16(std::string& out, int v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

std::string RegionFile(int count) {
  std::string bytes(46, '\0');
  bytes[8] = static_cast<char>(count & 0xFF);
  bytes[9] = static_cast<char>((count >> 8) & 0xFF);
  for (int i = 0; i < count; ++i) {
    const int type = i % 3;
    U16(bytes, type);
    for (int v : {1, i % 100, i % 500, i % 400, i % 500 + 40, i % 400 + 30}) U16(bytes, v);
    const std::string name = "Region" + std::to_string(i);
    U16(bytes, static_cast<int>(name.size()));
    bytes += name;
    U16(bytes, 0);
    if (type == 1) bytes += "123456";
    if (type == 2) {
      U16(bytes, 5);
      for (int v : {0, 0, 40, 5, 35, 30, 10, 35, 2, 20}) U16(bytes, v);
    }
  }
  return bytes;
}

// The region count is a signed 16-bit field: 100,000 regions are four files' worth, read
// one after another into four pools.
void BM_LoadRegionFiles(benchmark::State& state) {
  const std::string file = RegionFile(25000);
  for (auto _ : state) {
    for (int f = 0; f < 4; ++f) {
      TRegionPool pool(nullptr);
      TMemoryStream stream(file);
      pool.LoadFromStream(stream);
      benchmark::DoNotOptimize(pool.Count());
    }
  }
  state.counters["regions"] = 100000;
}
BENCHMARK(BM_LoadRegionFiles)->Unit(benchmark::kMillisecond);

// A polygon of points round (1000, 1000): every other point on the inner radius makes a
// star of 5,000 spikes, each row crossing hundreds of edges; equal radii make it convex.
std::vector<os::ShapePoint> StarPolygon(int points, double inner = 600) {
  std::vector<os::ShapePoint> polygon;
  for (int i = 0; i < points; ++i) {
    const double angle = 2 * M_PI * i / points;
    const double radius = i % 2 == 0 ? 1000 : inner;
    polygon.push_back({static_cast<int32_t>(1000 + radius * std::cos(angle)),
                       static_cast<int32_t>(1000 + radius * std::sin(angle))});
  }
  return polygon;
}

void BM_BuildPolygon(benchmark::State& state) {
  const auto polygon = StarPolygon(10000, state.range(0) ? 600 : 1000);
  for (auto _ : state) benchmark::DoNotOptimize(os::RegionBands::FromPolygon(polygon).Box());
}
BENCHMARK(BM_BuildPolygon)->ArgName("star")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PolygonContains(benchmark::State& state) {
  const os::RegionBands bands = os::RegionBands::FromPolygon(StarPolygon(10000));
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> coordinate(0, 2000);
  std::vector<os::ShapePoint> queries(4096);
  for (auto& q : queries) q = {coordinate(rng), coordinate(rng)};
  size_t i = 0;
  for (auto _ : state) {
    const os::ShapePoint& q = queries[i++ & 4095];
    benchmark::DoNotOptimize(bands.Contains(q.x, q.y));
  }
}
BENCHMARK(BM_PolygonContains);

}  // namespace

BENCHMARK_MAIN();

// TPolyRegion: its points as stored data ("Points": a byte count, then X and Y of each point,
// 32-bit little-endian), its record and its shape.
#include "regions/poly_region.h"

#include "config/binary_reader.h"
#include "config/binary_writer.h"
#include "platform/canvas.h"
#include "regions/region_record.h"

namespace cd {
namespace {

void ReadPoints(TPolyRegion& region, TBinaryReader& reader) {
  const std::string bytes = reader.ReadBinary();
  const auto at = [&](size_t i) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + i);
    return static_cast<int32_t>(uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) |
                                (uint32_t{b[3]} << 24));
  };
  // Whole points only: bytes past the last whole one are left out.
  std::vector<TRegionPoint> points(bytes.size() / 8);
  for (size_t i = 0; i < points.size(); ++i) points[i] = {at(8 * i), at(8 * i + 4)};
  region.SetPoints(std::move(points));
}

void WritePoints(const TPolyRegion& region, TBinaryWriter& writer) {
  std::string bytes;
  bytes.reserve(region.Points().size() * 8);
  const auto put = [&](int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(u >> shift));
  };
  for (const TRegionPoint& p : region.Points()) {
    put(p.x);
    put(p.y);
  }
  writer.WriteBinary(bytes);
}

}  // namespace

const TClassInfo& TPolyRegion::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPolyRegion>("TPolyRegion", &TRectRegion::StaticClass())
          .Extra("Points", &ReadPoints, &WritePoints,
                 [](const TPolyRegion& r) { return !r.Points().empty(); })
          .Build();
  return info;
}

void TPolyRegion::SetPoints(std::vector<TRegionPoint> points) {
  points_ = std::move(points);
  DropHandle();
}

void TPolyRegion::OffsetBy(const TRegionPoint& delta) {
  TRectRegion::OffsetBy(delta);
  for (TRegionPoint& p : points_) {
    p.x = static_cast<int32_t>(static_cast<uint32_t>(p.x) + static_cast<uint32_t>(delta.x));
    p.y = static_cast<int32_t>(static_cast<uint32_t>(p.y) + static_cast<uint32_t>(delta.y));
  }
}

void TPolyRegion::LoadFromStream(TStream& stream) {
  TRectRegion::LoadFromStream(stream);
  const uint16_t count = ReadUInt16(stream);
  std::vector<TRegionPoint> points;
  points.reserve(count);
  for (uint16_t i = 0; i < count; ++i) {
    const int32_t x = ReadInt16(stream);
    const int32_t y = ReadInt16(stream);
    points.push_back({x, y});
  }
  SetPoints(std::move(points));
}

std::vector<os::ShapePoint> TPolyRegion::ShapePoints() const {
  std::vector<os::ShapePoint> shape;
  shape.reserve(points_.size());
  for (const TRegionPoint& p : points_) shape.push_back({p.x, p.y});
  return shape;
}

std::unique_ptr<os::RegionShape> TPolyRegion::CreateHandle() {
  return os::RegionShape::Polygon(ShapePoints());
}

void TPolyRegion::DrawShape(os::Canvas& canvas) {
  canvas.Polygon(ShapePoints());
}

}  // namespace cd

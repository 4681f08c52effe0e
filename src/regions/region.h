// TRegion: a named screen area that can be moved, asked whether a point lies inside, painted
// and framed on a canvas, and listed as the rectangles that cover it. Its shape is built on
// first use and dropped when it changes; Position is where its reference point must stand,
// and the region is moved there before each use.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "config/persistent.h"
#include "platform/region_shape.h"

namespace cd {

class TStream;
namespace os {
class Canvas;
}

struct TRegionPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TRegionPoint&) const = default;
};

class TRegion : public TPersistent {
 public:
  TRegion() = default;
  ~TRegion() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  const TRegionPoint& Position() const { return position_; }
  void SetPosition(const TRegionPoint& p) { position_ = p; }

  virtual void OffsetBy(const TRegionPoint& delta);
  virtual TRegionPoint GetReferencePoint() const = 0;
  // The bounding box of the shape.
  virtual os::ShapeRect GetBounds();
  virtual bool Contains(int32_t x, int32_t y);
  // Fills the shape with the canvas's brush colour.
  virtual void Paint(os::Canvas& canvas);
  // Draws the shape's outline in the brush colour, as wide and as high as the pen width.
  virtual void Frame(os::Canvas& canvas);
  // Reads the rest of one record of a region file (after its type).
  virtual void LoadFromStream(TStream& stream) = 0;

  // The shape, moved to Position and built when it is not there.
  os::RegionShape& Handle();
  bool HasHandle() const { return handle_ != nullptr; }
  // Only the empty handle is accepted: it drops the shape ("TPlyRegion.SetHandle:
  // aHandle<>0" otherwise).
  void SetHandle(std::unique_ptr<os::RegionShape> handle);
  // Moves the region so that its reference point stands on Position.
  void SyncPosition();

 protected:
  virtual std::unique_ptr<os::RegionShape> CreateHandle() = 0;
  void DropHandle() { handle_.reset(); }

 private:
  std::string name_;
  TRegionPoint position_;
  std::unique_ptr<os::RegionShape> handle_;
};

}  // namespace cd

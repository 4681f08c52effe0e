// TRegion: the shape built on demand and the lazy move to Position.
#include "regions/region.h"

#include "base/exceptions.h"
#include "platform/canvas.h"

namespace cd {

const TClassInfo& TRegion::StaticClass() {
  static const TClassInfo info = TClassBuilder<TRegion>("TRegion", &TPersistent::StaticClass())
                                     .Str("Name", &TRegion::name_)
                                     .Build();
  return info;
}

TRegion::~TRegion() = default;

void TRegion::OffsetBy(const TRegionPoint& delta) {
  if (handle_) handle_->Offset(delta.x, delta.y);
}

os::ShapeRect TRegion::GetBounds() {
  return Handle().Box();
}

bool TRegion::Contains(int32_t x, int32_t y) {
  return Handle().Contains(x, y);
}

void TRegion::Paint(os::Canvas& canvas) {
  canvas.FillShape(Handle());
}

void TRegion::Frame(os::Canvas& canvas) {
  canvas.FrameShape(Handle());
}

os::RegionShape& TRegion::Handle() {
  SyncPosition();
  if (!handle_) handle_ = CreateHandle();
  return *handle_;
}

void TRegion::SetHandle(std::unique_ptr<os::RegionShape> handle) {
  if (handle) throw Exception("TPlyRegion.SetHandle: aHandle<>0");
  handle_.reset();
}

void TRegion::SyncPosition() {
  const TRegionPoint reference = GetReferencePoint();
  if (reference == position_) return;
  // Differences wrap like the 32-bit coordinates they move.
  const auto delta = [](int32_t to, int32_t from) {
    return static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
  };
  OffsetBy({delta(position_.x, reference.x), delta(position_.y, reference.y)});
}

}  // namespace cd

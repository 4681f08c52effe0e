// TRectRegion: stored keys, data objects, the rectangle's shape and its record.
#include "regions/rect_region.h"

#include "base/exceptions.h"
#include "platform/canvas.h"
#include "regions/region_record.h"

namespace cd {

const TClassInfo& TRectRegion::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRectRegion>("TRectRegion", &TRegion::StaticClass())
          .Object("Rect", [](TRectRegion& r) { return r.rect_.get(); })
          .Int(
              "Level", [](const TRectRegion& r) { return int32_t{r.level_}; },
              [](TRectRegion& r, int32_t v) { r.level_ = static_cast<int16_t>(v); })
          .Int(
              "TabOrder", [](const TRectRegion& r) { return int32_t{r.tabOrder_}; },
              [](TRectRegion& r, int32_t v) { r.tabOrder_ = static_cast<int16_t>(v); })
          .Str(
              "Data", [](const TRectRegion& r) { return r.data_; },
              [](TRectRegion& r, const std::string& v) { r.SetData(v); })
          .Build();
  return info;
}

TRectRegion::TRectRegion() : rect_(std::make_unique<TRectObject>()) {
  rect_->SetOnChange([this] { DropHandle(); });
}

TRectRegion::~TRectRegion() = default;

void TRectRegion::SetData(const std::string& data) {
  if (data == data_) return;
  data_ = data;
  dataObjects_.reset();
}

TObjectList& TRectRegion::DataObjects() {
  if (!dataObjects_) {
    auto objects = std::make_unique<TObjectList>();
    PCharToObjects(data_.c_str(), objects.get());
    dataObjects_ = std::move(objects);
  }
  return *dataObjects_;
}

void TRectRegion::SetDataObjects(TObjectList* list) {
  if (list) throw Exception("TRectRegion.SetDataObjects");
  dataObjects_.reset();
}

void TRectRegion::OffsetBy(const TRegionPoint& delta) {
  rect_->MoveBy(delta.x, delta.y);
  TRegion::OffsetBy(delta);
}

os::ShapeRect TRectRegion::GetBounds() {
  SyncPosition();
  return Shape();
}

// A plain rectangle answers from Rect itself (left and top edges in, right and bottom out);
// the shapes derived from it ask their handle.
bool TRectRegion::Contains(int32_t x, int32_t y) {
  if (&ClassType() != &StaticClass()) return TRegion::Contains(x, y);
  SyncPosition();
  return x >= rect_->Left() && x < rect_->Right() && y >= rect_->Top() && y < rect_->Bottom();
}

void TRectRegion::Paint(os::Canvas& canvas) {
  SyncPosition();
  DrawShape(canvas);
}

void TRectRegion::Frame(os::Canvas& canvas) {
  SyncPosition();
  const bool clear = canvas.BrushClear();
  canvas.SetBrushClear(true);
  try {
    DrawShape(canvas);
  } catch (...) {
    canvas.SetBrushClear(clear);
    throw;
  }
  canvas.SetBrushClear(clear);
}

void TRectRegion::DrawShape(os::Canvas& canvas) {
  canvas.Rectangle(Shape());
}

std::unique_ptr<os::RegionShape> TRectRegion::CreateHandle() {
  return os::RegionShape::Rectangle(Shape());
}

void TRectRegion::LoadFromStream(TStream& stream) {
  level_ = ReadInt16(stream);
  tabOrder_ = ReadInt16(stream);
  const int32_t left = ReadInt16(stream), top = ReadInt16(stream);
  const int32_t right = ReadInt16(stream), bottom = ReadInt16(stream);
  rect_->SetBounds(left, top, right, bottom);
  SetName(ReadShortString(stream));
  SetData(ReadShortString(stream));
}

}  // namespace cd

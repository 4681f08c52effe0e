// TRectObject: stored keys (written unless -9999) and change notices.
#include "regions/rect_object.h"

namespace cd {

const TClassInfo& TRectObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRectObject>("TRectObject", &TPersistent::StaticClass())
          .Int(
              "Left", [](const TRectObject& r) { return r.left_; },
              [](TRectObject& r, int32_t v) { r.SetLeft(v); }, -9999)
          .Int(
              "Top", [](const TRectObject& r) { return r.top_; },
              [](TRectObject& r, int32_t v) { r.SetTop(v); }, -9999)
          .Int(
              "Right", [](const TRectObject& r) { return r.right_; },
              [](TRectObject& r, int32_t v) { r.SetRight(v); }, -9999)
          .Int(
              "Bottom", [](const TRectObject& r) { return r.bottom_; },
              [](TRectObject& r, int32_t v) { r.SetBottom(v); }, -9999)
          .Build();
  return info;
}

void TRectObject::Set(int32_t& field, int32_t value) {
  if (field == value) return;
  field = value;
  if (onChange_) onChange_();
}

void TRectObject::SetBounds(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (left == left_ && top == top_ && right == right_ && bottom == bottom_) return;
  left_ = left;
  top_ = top;
  right_ = right;
  bottom_ = bottom;
  if (onChange_) onChange_();
}

namespace {

// Coordinates wrap like the 32-bit values they are instead of overflowing.
int32_t Moved(int32_t value, int32_t delta) {
  return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

}  // namespace

void TRectObject::MoveBy(int32_t dx, int32_t dy) {
  left_ = Moved(left_, dx);
  top_ = Moved(top_, dy);
  right_ = Moved(right_, dx);
  bottom_ = Moved(bottom_, dy);
}

}  // namespace cd

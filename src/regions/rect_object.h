// TRectObject: the rectangle of a region, four stored coordinates. A change of any of them is
// told to the owner (the region drops its built shape).
#pragma once

#include <cstdint>
#include <functional>

#include "config/persistent.h"

namespace cd {

class TRectObject : public TPersistent {
 public:
  TRectObject() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Right() const { return right_; }
  int32_t Bottom() const { return bottom_; }
  void SetLeft(int32_t v) { Set(left_, v); }
  void SetTop(int32_t v) { Set(top_, v); }
  void SetRight(int32_t v) { Set(right_, v); }
  void SetBottom(int32_t v) { Set(bottom_, v); }
  // All four at once, with one change notice when any differs.
  void SetBounds(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Moves the rectangle without a change notice: the shape moves along.
  void MoveBy(int32_t dx, int32_t dy);

  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  void Set(int32_t& field, int32_t value);

  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t right_ = 0;
  int32_t bottom_ = 0;
  std::function<void()> onChange_;
};

}  // namespace cd

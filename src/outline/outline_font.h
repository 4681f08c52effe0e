// TOutlineFont: the outline control's font as its stored sub-object "Font".
#pragma once

#include <cstdint>
#include <string>

#include "config/persistent.h"
#include "outline/colors.h"

namespace cd {

class TOutlineFont : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The face; "MS Sans Serif" while no name is stored.
  std::string Name() const { return name_.empty() ? "MS Sans Serif" : name_; }
  // Height is in pixels at 96 dots per inch, negative for the character height; Size is in
  // points.
  int32_t Height() const { return height_; }
  int32_t Size() const;
  void SetSize(int32_t points);
  int32_t Color() const { return color_; }
  uint32_t Style() const { return style_; }

 private:
  int32_t charset_ = 1;  // the system's default character set
  int32_t color_ = kClWindowText;
  int32_t height_ = -11;
  std::string name_;
  uint32_t style_ = 0;
};

}  // namespace cd

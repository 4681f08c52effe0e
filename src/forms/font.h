// TFont: the font of a form or control (name, height in pixels, negative for the character
// height, colour and style), a sub-object stored through qualified keys ("Font.Name").
#pragma once

#include <cstdint>
#include <string>

#include "config/persistent.h"
#include "outline/colors.h"

namespace cd {

class TFont : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Assign(const TPersistent& source) override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  int32_t Height() const { return height_; }
  void SetHeight(int32_t v) { height_ = v; }
  int32_t Color() const { return color_; }
  void SetColor(int32_t v) { color_ = v; }
  // Set of TFontStyle as a bit mask.
  uint32_t Style() const { return style_; }
  void SetStyle(uint32_t v) { style_ = v; }

 private:
  int32_t color_ = kClWindowText;
  int32_t height_ = -11;
  std::string name_ = "MS Sans Serif";
  uint32_t style_ = 0;
};

}  // namespace cd

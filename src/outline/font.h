// TFont: the font of a form, a control or an outline (face, height in pixels, negative for the
// character height, character set, colour and style), a sub-object stored through qualified
// keys ("Font.Name"). The forms and the outline control share it, so that every window of a
// dialog reads and writes its font the same way.
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

  // The face; "MS Sans Serif" while no name is stored. A stored name is written back as read,
  // that face included.
  std::string Name() const { return name_.empty() ? "MS Sans Serif" : name_; }
  void SetName(const std::string& v) { name_ = v; }
  // Height is in pixels at 96 dots per inch, negative for the character height; Size is in
  // points.
  int32_t Height() const { return height_; }
  void SetHeight(int32_t v) { height_ = v; }
  int32_t Size() const;
  void SetSize(int32_t points);
  int32_t Charset() const { return charset_; }
  void SetCharset(int32_t v) { charset_ = v; }
  int32_t Color() const { return color_; }
  void SetColor(int32_t v) { color_ = v; }
  // Set of TFontStyle as a bit mask.
  uint32_t Style() const { return style_; }
  void SetStyle(uint32_t v) { style_ = v; }

 private:
  int32_t charset_ = 1;  // the system's default character set
  int32_t color_ = kClWindowText;
  int32_t height_ = -11;
  std::string name_;
  uint32_t style_ = 0;
};

}  // namespace cd

// The font's stored keys and its size in points.
#include "outline/outline_font.h"

#include "outline/font_style.h"

namespace cd {

const TClassInfo& TOutlineFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TOutlineFont>("TOutlineFont", &TPersistent::StaticClass())
          .Int("Charset", &TOutlineFont::charset_)
          .Int(
              "Color", [](const TOutlineFont& f) { return f.color_; },
              [](TOutlineFont& f, int32_t v) { f.color_ = v; }, {}, &ColorIdents())
          .Int("Height", &TOutlineFont::height_)
          .Str("Name", &TOutlineFont::name_)
          .Set("Style", &TOutlineFont::style_, FontStyleType())
          .Build();
  return info;
}

int32_t TOutlineFont::Size() const {
  return (-height_ * 72 + 48) / 96;
}

void TOutlineFont::SetSize(int32_t points) {
  height_ = -(points * 96 + 36) / 72;
}

}  // namespace cd

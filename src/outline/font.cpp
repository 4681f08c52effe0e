// TFont: stored keys, copying and the size in points.
#include "outline/font.h"

#include "outline/font_style.h"

namespace cd {

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont", &TPersistent::StaticClass())
          .Int("Charset", &TFont::charset_)
          .Int(
              "Color", [](const TFont& f) { return f.color_; },
              [](TFont& f, int32_t v) { f.color_ = v; }, {}, &ColorIdents())
          .Int("Height", &TFont::height_)
          .Str("Name", &TFont::name_)
          .Set("Style", &TFont::style_, FontStyleType())
          .Build();
  return info;
}

void TFont::Assign(const TPersistent& source) {
  if (auto* font = dynamic_cast<const TFont*>(&source)) {
    charset_ = font->charset_;
    color_ = font->color_;
    height_ = font->height_;
    name_ = font->name_;
    style_ = font->style_;
    return;
  }
  TPersistent::Assign(source);
}

int32_t TFont::Size() const {
  return (-height_ * 72 + 48) / 96;
}

void TFont::SetSize(int32_t points) {
  height_ = -(points * 96 + 36) / 72;
}

}  // namespace cd

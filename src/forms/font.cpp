// TFont: stored keys and copying.
#include "forms/font.h"

#include "outline/font_style.h"

namespace cd {

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont", &TPersistent::StaticClass())
          .Int(
              "Color", [](const TFont& f) { return f.color_; },
              [](TFont& f, int32_t v) { f.color_ = v; }, {}, &ColorIdents())
          .Int("Height", &TFont::height_)
          .Str("Name", &TFont::name_)
          .StoredWhen([](const TFont& f) { return f.name_ != "MS Sans Serif"; })
          .Set("Style", &TFont::style_, FontStyleType())
          .Build();
  return info;
}

void TFont::Assign(const TPersistent& source) {
  if (auto* font = dynamic_cast<const TFont*>(&source)) {
    color_ = font->color_;
    height_ = font->height_;
    name_ = font->name_;
    style_ = font->style_;
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace cd

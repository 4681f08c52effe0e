// TControl: stored keys and the view description every control shares.
#include "forms/control.h"

#include "outline/font_style.h"

namespace cd {

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info = TClassBuilder<TControl>("TControl", &TComponent::StaticClass())
                                     .Enum("Align", &TControl::align_, AlignType(), 0)
                                     .Int("Left", &TControl::left_, 0)
                                     .Int("Top", &TControl::top_, 0)
                                     .Int("Width", &TControl::width_, 0)
                                     .Int("Height", &TControl::height_, 0)
                                     .Object("Font", [](TControl& c) { return &c.font_; })
                                     .Str("Hint", &TControl::hint_)
                                     .Bool("ShowHint", &TControl::showHint_, false)
                                     .Int("TabOrder", &TControl::tabOrder_, -1)
                                     .Build();
  return info;
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::CreateView(os::FormView& view, int parent) {
  os::ControlLook look;
  look.name = Name();
  look.left = left_;
  look.top = top_;
  look.width = width_;
  look.height = height_;
  look.hint = hint_;
  look.showHint = showHint_;
  look.tabOrder = tabOrder_;
  look.fontName = font_.Name();
  look.fontHeight = font_.Height();
  look.fontBold = InSet(font_.Style(), TFontStyle::fsBold);
  DescribeView(look);
  view_ = &view;
  viewControl_ = view.AddControl(look, parent);
  ViewCreated(view, viewControl_);
}

void TControl::PlaceView() {
  if (view_) view_->SetControlBounds(viewControl_, left_, top_, width_, height_);
}

}  // namespace cd

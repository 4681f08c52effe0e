// TButton: stored keys and the click.
#include "forms/button.h"

namespace cd {

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info = TClassBuilder<TButton>("TButton", &TControl::StaticClass())
                                     .Bool("Cancel", &TButton::cancel_)
                                     .Str("Caption", &TButton::caption_)
                                     .Bool("Default", &TButton::default_)
                                     .Int("ModalResult", &TButton::modalResult_)
                                     .Event("OnClick", &TButton::onClickName_)
                                     .Build();
  return info;
}

void TButton::Click() {
  if (onClick_) onClick_(*this);
}

void TButton::DescribeView(os::ControlLook& look) {
  look.kind = os::ControlKind::Button;
  look.text = ShownCaption();
  look.onClick = [this] { Click(); };
}

}  // namespace cd

// TEdit: stored keys, and the text kept in step with the view.
#include "forms/edit.h"

namespace cd {

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info = TClassBuilder<TEdit>("TEdit", &TControl::StaticClass())
                                     .Str("Text", &TEdit::text_)
                                     .Event("OnChange", &TEdit::onChangeName_)
                                     .Build();
  return info;
}

void TEdit::SetText(const std::string& text) {
  if (text == text_) return;
  if (View()) View()->SetControlText(ViewControl(), text);  // the view reports the change
  Changed(text);
}

void TEdit::Changed(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (onChange_) onChange_(*this);
}

void TEdit::DescribeView(os::ControlLook& look) {
  look.kind = os::ControlKind::Edit;
  look.text = text_;
  look.onChange = [this](const std::string& text) { Changed(text); };
}

}  // namespace cd

// TPanel: stored keys, and its controls written and shown inside it.
#include "forms/panel.h"

namespace cd {

const TEnumTypeInfo& BevelCutType() {
  static const TEnumTypeInfo type{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return type;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPanel>("TPanel", &TControl::StaticClass())
                                     .Enum("Alignment", &TPanel::alignment_, AlignmentType())
                                     .Enum("BevelOuter", &TPanel::bevelOuter_, BevelCutType())
                                     .Str("Caption", &TPanel::caption_)
                                     .Build();
  return info;
}

void TPanel::GetChildren(const std::function<void(TComponent*)>& proc) const {
  controls_.ForEach(proc);
}

void TPanel::DescribeView(os::ControlLook& look) {
  look.kind = os::ControlKind::Panel;
  look.text = caption_;
  look.alignment = ViewAlignment(alignment_);
  look.bevel = bevelOuter_ == TBevelCut::bvLowered  ? os::PanelBevel::Lowered
               : bevelOuter_ == TBevelCut::bvRaised ? os::PanelBevel::Raised
                                                    : os::PanelBevel::None;
}

void TPanel::ViewCreated(os::FormView& view, int self) {
  for (TControl* control : controls_.Items()) control->CreateView(view, self);
}

}  // namespace cd

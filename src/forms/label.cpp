// TLabel: stored keys and its view.
#include "forms/label.h"

namespace cd {

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TLabel>("TLabel", &TControl::StaticClass())
                                     .Enum("Alignment", &TLabel::alignment_, AlignmentType())
                                     .Str("Caption", &TLabel::caption_)
                                     .Build();
  return info;
}

void TLabel::DescribeView(os::ControlSpec& spec) {
  spec.kind = os::ControlKind::Label;
  spec.text = caption_;
  spec.alignment = ViewAlignment(alignment_);
}

}  // namespace cd

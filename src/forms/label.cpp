// TLabel: stored keys and its view.
#include "forms/label.h"

namespace cd {

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TLabel>("TLabel", &TControl::StaticClass())
                                     .Enum("Alignment", &TLabel::alignment_, AlignmentType())
                                     .Str("Caption", &TLabel::caption_)
                                     .Bool("WordWrap", &TLabel::wordWrap_)
                                     .Build();
  return info;
}

void TLabel::DescribeView(os::ControlLook& look) {
  look.kind = os::ControlKind::Label;
  look.text = caption_;
  look.alignment = ViewAlignment(alignment_);
  look.wordWrap = wordWrap_;
}

}  // namespace cd

// TLabel: a caption on a form.
#pragma once

#include <string>

#include "forms/alignment.h"
#include "forms/control.h"

namespace cd {

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Caption() const { return caption_; }
  TAlignment Alignment() const { return alignment_; }
  // Whether a caption longer than the width continues on the next lines.
  bool WordWrap() const { return wordWrap_; }

 protected:
  void DescribeView(os::ControlLook& look) override;

 private:
  std::string caption_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool wordWrap_ = false;
};

}  // namespace cd

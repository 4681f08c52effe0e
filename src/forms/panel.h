// TPanel: a raised area with a caption that holds other controls.
#pragma once

#include <string>

#include "forms/alignment.h"
#include "forms/control_list.h"
#include "outline/windowed_control.h"

namespace cd {

// The panel's outer edge: none, sunk, raised or a space.
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
const TEnumTypeInfo& BevelCutType();

class TPanel : public TControl, public IWindowedControl {
 public:
  explicit TPanel(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Caption() const { return caption_; }
  TAlignment Alignment() const { return alignment_; }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  const TControlList& Controls() const { return controls_; }

  void GetChildren(const std::function<void(TComponent*)>& proc) const override;
  void ReadChild(TComponent* child) override { controls_.Add(child); }

 protected:
  void DescribeView(os::ControlLook& look) override;
  void ViewCreated(os::FormView& view, int self) override;

 private:
  std::string caption_;
  TAlignment alignment_ = TAlignment::taCenter;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TControlList controls_;
};

}  // namespace cd

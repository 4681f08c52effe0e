// TButton: a push button. A click runs its handler; a button with a modal result also closes
// a modal form with that result.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "forms/control.h"

namespace cd {

class TButton : public TControl {
 public:
  explicit TButton(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Caption() const { return caption_; }
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }
  virtual int32_t ModalResult() const { return modalResult_; }
  void SetOnClick(std::function<void(TButton&)> handler) { onClick_ = std::move(handler); }
  // What a press of the button does.
  void Click();

 protected:
  void DescribeView(os::ControlLook& look) override;
  // The caption shown: the stored one.
  virtual std::string ShownCaption() const { return caption_; }

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  int32_t modalResult_ = 0;
  std::string onClickName_;
  std::function<void(TButton&)> onClick_;
};

}  // namespace cd

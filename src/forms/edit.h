// TEdit: a one-line edit field. Its text follows what the user types in its view.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"

namespace cd {

class TEdit : public TControl {
 public:
  explicit TEdit(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Text() const { return text_; }
  // Sets the text, in the view too when there is one.
  void SetText(const std::string& text);
  // Called after the text has changed, by the program or in the view.
  void SetOnChange(std::function<void(TEdit&)> handler) { onChange_ = std::move(handler); }

 protected:
  void DescribeView(os::ControlLook& look) override;

 private:
  void Changed(const std::string& text);

  std::string text_;
  std::string onChangeName_;
  std::function<void(TEdit&)> onChange_;
};

}  // namespace cd

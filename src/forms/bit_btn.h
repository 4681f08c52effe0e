// TBitBtn: a button of a standard kind (OK, Cancel, ...), which gives it a caption when it
// has none of its own and its modal result.
#pragma once

#include "forms/button.h"

namespace cd {

enum class TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};

const TEnumTypeInfo& BitBtnKindType();

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner) : TButton(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TBitBtnKind Kind() const { return kind_; }
  // The stored modal result of a custom button, else the kind's.
  int32_t ModalResult() const override;

 protected:
  void DescribeView(os::ControlLook& look) override;
  std::string ShownCaption() const override;

 private:
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

}  // namespace cd

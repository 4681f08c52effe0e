// TFormDataObj: the base of the typed data a TFormData holds; it knows the TFormData that
// owns it.
#pragma once

#include "config/persistent.h"

namespace cd {

class TFormData;

class TFormDataObj : public TPersistent {
 public:
  explicit TFormDataObj(TComponent* owner);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The owning TFormData; nullptr when made without one.
  TFormData* FormData() const { return formData_; }
  TPersistent* GetOwner() const override;

 private:
  TFormData* formData_;
};

}  // namespace cd

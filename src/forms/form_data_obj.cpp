// TFormDataObj: no keys of its own; remembers its TFormData.
#include "forms/form_data_obj.h"

#include "forms/form_data.h"

namespace cd {

const TClassInfo& TFormDataObj::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFormDataObj>("TFormDataObj", &TPersistent::StaticClass()).Build();
  return info;
}

TFormDataObj::TFormDataObj(TComponent* owner) : formData_(dynamic_cast<TFormData*>(owner)) {}

TPersistent* TFormDataObj::GetOwner() const {
  return formData_;
}

}  // namespace cd

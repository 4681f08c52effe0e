// The form classes that a layout or stored form may name, registered by name.
#include "forms/forms_classes.h"

#include "config/class_registry.h"
#include "forms/bit_btn.h"
#include "forms/edit.h"
#include "forms/form_data.h"
#include "forms/label.h"
#include "forms/panel.h"
#include "forms/qx_form.h"

namespace cd {

void RegisterFormsClasses() {
  for (const TClassInfo* cls :
       {&TQXForm::StaticClass(), &TFormData::StaticClass(), &TFormDataObj::StaticClass(),
        &TLabel::StaticClass(), &TEdit::StaticClass(), &TButton::StaticClass(),
        &TBitBtn::StaticClass(), &TPanel::StaticClass()})
    RegisterClass(*cls);
}

}  // namespace cd

// TELookupForm: the edit sequence and its two start failures.
#include "forms/e_lookup_form.h"

#include "base/exceptions.h"

namespace cd {

const TClassInfo& TELookupForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TELookupForm>("TELookupForm", &TQXForm::StaticClass()).Build();
  return info;
}

void TELookupForm::Edit(const TNodeEvent& callback) {
  SetEditMode(kEditModeEdit);
  try {
    DoEditStart(callback);
    const int result = ShowModal();
    if (result == kModalCancel) throw EAbort();
    Apply(result);
  } catch (...) {
    EndEdit();
    throw;
  }
  EndEdit();
}

void TELookupForm::SetEditMode(uint8_t mode) {
  if (mode == editMode_) return;
  editMode_ = mode;
  SetBorderStyle(mode == kEditModeEdit ? TFormBorderStyle::bsSizeable : TFormBorderStyle::bsNone);
  EditModeChanged();
}

void TELookupForm::DoEditStart(const TNodeEvent& callback) {
  EndEdit();
  if (!callback) throw Exception("TELookupForm.DoEditStart: Missing Event");
  callback_ = callback;
  TNodeEventPar par;
  callback_(ne_GetSourceData, &par);
  sourceData_ = par.SourceData;
  if (!sourceData_) throw Exception("TELookupForm.DoEditStart: Missing SourceData");
  Populate();
}

void TELookupForm::EndEdit() {
  sourceData_ = nullptr;
}

}  // namespace cd
